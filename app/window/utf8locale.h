#pragma once

// Window titles reach X through the character type locale: under the C or
// POSIX locale (plain containers, `env -i`) the legacy WM_NAME of 设置选项
// comes out as Latin-1 mojibake, and tools that read that property cannot
// find the window. The program reads and writes UTF-8 throughout, so it
// asks for a UTF-8 character type when the environment gives none.
namespace Utf8Locale {

// Before the application object exists: when the locale the environment
// names has no UTF-8 character type, LC_CTYPE (or LC_ALL, which would
// override it) becomes C.UTF-8. A UTF-8 locale is left as it is.
void chooseBeforeStart();

} // namespace Utf8Locale
