// UTF-8 helpers of the PDF writer: text arrives from callers unchecked, and
// every byte of it must become a character the page can show.
#ifndef TERVOLANPDF_UTF8TEXT_H
#define TERVOLANPDF_UTF8TEXT_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tervolanpdf {

class Utf8Text {
public:
    // Length in bytes of the well-formed sequence at the start of text, or 0
    // if it starts with a byte that begins no valid character (overlong
    // forms, surrogates and values above U+10FFFF count as invalid).
    static size_t sequenceLength(std::string_view text);

    // The code points of text, each invalid byte as one U+FFFD.
    static void decode(std::string_view text, std::vector<char32_t> &out);

    // The longest prefix of text that is at most limit bytes long and does
    // not end inside a character.
    static size_t prefixLength(std::string_view text, size_t limit);
};

} // namespace tervolanpdf

#endif
