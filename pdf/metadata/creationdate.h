// When a document was made, in the two spellings it is written in: the
// document information's "D:YYYYMMDDHHmmSSZ" and the XMP metadata's ISO
// 8601 form. Taken from SOURCE_DATE_EPOCH when that holds a usable time, so
// that converting the same text twice gives identical files, else from the
// clock.
#ifndef TERVOLANPDF_CREATIONDATE_H
#define TERVOLANPDF_CREATIONDATE_H

#include <ctime>
#include <string>

namespace tervolanpdf {

class CreationDate {
public:
    // Reads SOURCE_DATE_EPOCH; a value that is not a whole number of
    // seconds from 1970 to the end of year 9999 is refused with a warning
    // on standard error (once per process) and the clock is used instead.
    CreationDate();

    // Both are "" when no time could be had at all.
    const std::string &pdf() const { return m_pdf; }
    const std::string &xmp() const { return m_xmp; }

    // Seconds of 9999-12-31T23:59:59Z: the last a four-digit year holds.
    static constexpr long long kLastSecond = 253402300799;

private:
    static bool fromEnvironment(time_t &when);

    std::string m_pdf;
    std::string m_xmp;
};

} // namespace tervolanpdf

#endif
