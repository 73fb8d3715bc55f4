#pragma once

#include <string>
#include <string_view>

// What a line of the listing or of a message shows for a file name. A name
// may hold any byte but NUL and "/": raw, an escape sequence would drive
// the terminal and a line break would split one name into two lines. So
// control characters (C0, DEL and C1 in UTF-8) are written C-style, "\n",
// "\t", "\033", and a backslash is doubled, so that no escape can be taken
// for a real name. Other bytes, those of a name that is not UTF-8 included,
// pass unchanged.
namespace LineEscape {

std::string escaped(std::string_view text);

} // namespace LineEscape
