#include "app/window/utf8locale.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <langinfo.h>

namespace {

bool environmentGivesUtf8()
{
    if (std::setlocale(LC_CTYPE, "") == nullptr)
        return false;
    bool utf8 = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
    std::setlocale(LC_CTYPE, "C");
    return utf8;
}

} // namespace

void Utf8Locale::chooseBeforeStart()
{
    if (environmentGivesUtf8())
        return;
    const char *all = std::getenv("LC_ALL");
    setenv(all != nullptr && *all != '\0' ? "LC_ALL" : "LC_CTYPE", "C.UTF-8", 1);
}
