#pragma once

#include <cstddef>
#include <string_view>

// Where the extended grapheme clusters of Unicode (UAX #29) begin: the
// units a reader sees as one character, such as a letter with its accents,
// an emoji with its skin tone or joined family, a flag's two regional
// indicators or a Thai consonant with its vowel sign. Han and ASCII text
// have a boundary between any two characters.
namespace GraphemeBreak {

// Whether a cluster boundary lies before text[at], 0 < at < text.size().
// The text before at is read back as far as the rules need, so text must
// start at a boundary.
bool isBoundary(std::u32string_view text, size_t at);

// Where the cluster that holds text[at] begins, with text as above.
size_t clusterStart(std::u32string_view text, size_t at);

} // namespace GraphemeBreak
