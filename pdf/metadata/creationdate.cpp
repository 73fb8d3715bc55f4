#include "pdf/metadata/creationdate.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace tervolanpdf {

namespace {

// A batch converts many documents under one environment: one warning says
// it all.
std::atomic<bool> warned{false};

void warnOnce(const char *value)
{
    if (warned.exchange(true))
        return;
    std::fprintf(stderr,
                 "warning: SOURCE_DATE_EPOCH \"%s\" is not a time from 1970 to 9999; "
                 "using the current time\n",
                 value);
}

} // namespace

CreationDate::CreationDate()
{
    time_t when = 0;
    if (!fromEnvironment(when))
        when = std::time(nullptr);
    tm utc{};
    if (!gmtime_r(&when, &utc))
        return;
    char text[32];
    std::strftime(text, sizeof text, "D:%Y%m%d%H%M%SZ", &utc);
    m_pdf = text;
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    m_xmp = text;
}

// True with when set from a usable SOURCE_DATE_EPOCH; false when it is
// unset or refused.
bool CreationDate::fromEnvironment(time_t &when)
{
    const char *value = std::getenv("SOURCE_DATE_EPOCH");
    if (!value || !*value)
        return false;
    char *end = nullptr;
    errno = 0;
    const long long seconds = std::strtoll(value, &end, 10);
    if (*end != '\0' || errno != 0 || seconds < 0 || seconds > kLastSecond) {
        warnOnce(value);
        return false;
    }
    when = static_cast<time_t>(seconds);
    return true;
}

} // namespace tervolanpdf
