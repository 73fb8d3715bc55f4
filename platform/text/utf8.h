#pragma once

#include <string>
#include <string_view>

// Small UTF-8 helpers used on the hot path of the conversion; iconv is kept
// for the encodings that need tables.
namespace Utf8 {

// Appends the UTF-8 form of text to out. Code points that cannot be encoded
// (surrogates, values above U+10FFFF) become U+FFFD.
void append(std::string &out, std::u32string_view text);

std::string fromUtf32(std::u32string_view text);

// Decodes UTF-8; malformed sequences become U+FFFD.
std::u32string toUtf32(std::string_view text);

} // namespace Utf8
