#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// UTF-8 for the hot paths of both the reader and the PDF writer; iconv is
// kept for the encodings that need tables. This is the one decoder: a byte
// that begins no well-formed sequence (a stray continuation byte, C0, C1,
// F5 to FF, the lead of an overlong form, a surrogate, a value past
// U+10FFFF or a sequence cut short) reads as one U+FFFD, and decoding goes
// on at the byte after it.
namespace Utf8 {

// Appends the UTF-8 form of text to out. Code points that cannot be encoded
// (surrogates, values above U+10FFFF) become U+FFFD.
void append(std::string &out, std::u32string_view text);

std::string fromUtf32(std::u32string_view text);

// Decodes UTF-8; malformed sequences become U+FFFD as above.
std::u32string toUtf32(std::string_view text);

// How many bytes a sequence that starts with lead claims: 1 to 4, or 0 for
// a byte that starts none.
size_t leadLength(unsigned char lead);

// Length in bytes of the well-formed sequence at the start of text, or 0
// when there is none (also when text ends inside it).
size_t sequenceLength(std::string_view text);

// The length of the longest prefix of text made of well-formed sequences.
size_t wellFormedLength(std::string_view text);

// Whether text is the start of a well-formed sequence that ends past it, as
// a file cut in the middle of a character ends.
bool isCutSequence(std::string_view text);

// Where decoding stopped: bytes read, characters written, and how many of
// those are U+FFFD for a malformed byte.
struct Decoded {
    size_t bytes = 0;
    size_t characters = 0;
    size_t replaced = 0;
};

// Decodes text into out, which has room for text.size() characters (never
// more characters than bytes, so the caller writes in place and trims).
// With more, text is one block of a longer stream: a sequence cut by its
// end is left unread for the next block instead of read as U+FFFD.
Decoded decode(std::string_view text, char32_t *out, bool more = false);

// The longest prefix of text that is at most limit bytes long and does not
// end inside a character.
size_t prefixLength(std::string_view text, size_t limit);

} // namespace Utf8
