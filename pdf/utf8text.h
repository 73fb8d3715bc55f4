// UTF-8 helpers of the PDF writer: text arrives from callers unchecked, and
// both HarfBuzz and cairo need well-formed UTF-8.
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

    // Copies text into out, every invalid byte replaced by U+FFFD, so cairo
    // never rejects it (a rejected string would break the whole document).
    static void sanitize(std::string_view text, std::string &out);

    // The code points of text, each invalid byte as U+FFFD exactly as
    // sanitize() would replace it.
    static void decode(std::string_view text, std::vector<char32_t> &out);

    // The longest prefix of text that is at most limit bytes long and does
    // not end inside a character.
    static size_t prefixLength(std::string_view text, size_t limit);
};

} // namespace tervolanpdf

#endif
