#include "platform/text/utf8.h"

namespace {

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Hanzi take this path. Lead bytes E1-EC and EE-EF have no overlong or
// surrogate forms, so two continuation bytes are all there is to check;
// E0 and ED go the general way.
inline bool isPlainThreeByte(const unsigned char *text)
{
    return unsigned(text[0] - 0xE1) <= 0xEF - 0xE1 && text[0] != 0xED && isContinuation(text[1])
        && isContinuation(text[2]);
}

inline char32_t threeByteValue(const unsigned char *text)
{
    return (char32_t(text[0] & 0x0F) << 12) | (char32_t(text[1] & 0x3F) << 6) | (text[2] & 0x3F);
}

// The allowed range of the second byte after a lead byte, which rules out
// overlong forms, surrogates and values past U+10FFFF in one check.
inline bool secondByteFits(unsigned char lead, unsigned char second)
{
    switch (lead) {
    case 0xE0: return second >= 0xA0 && second <= 0xBF;
    case 0xED: return second >= 0x80 && second <= 0x9F;
    case 0xF0: return second >= 0x90 && second <= 0xBF;
    case 0xF4: return second >= 0x80 && second <= 0x8F;
    default: return isContinuation(second);
    }
}

// The general case of sequenceLength, on bytes [0, size) with size >= 1.
inline size_t wellFormedAt(const unsigned char *text, size_t size)
{
    const size_t length = Utf8::leadLength(text[0]);
    if (length <= 1)
        return length;
    if (size < length || !secondByteFits(text[0], text[1]))
        return 0;
    for (size_t k = 2; k < length; ++k) {
        if (!isContinuation(text[k]))
            return 0;
    }
    return length;
}

// One character of decode that is neither ASCII nor a common hanzi, written
// to at. Returns the bytes it took, 0 to stop before a sequence cut by the
// end of a block. Kept out of decode's loop, which then stays small.
[[gnu::noinline]] size_t decodeOther(const unsigned char *text, size_t size, bool more,
                                     char32_t *at)
{
    const size_t claimed = Utf8::leadLength(text[0]);
    if (more && claimed > size)
        return 0;
    const size_t length = wellFormedAt(text, size);
    if (length == 0) {
        *at = 0xFFFD;
        return 1;
    }
    char32_t value = text[0] & (0xFF >> (length + 1));
    for (size_t k = 1; k < length; ++k)
        value = (value << 6) | (text[k] & 0x3F);
    *at = value;
    return length;
}

} // namespace

namespace Utf8 {

// Written in place: every line of a conversion passes through here.
void append(std::string &out, std::u32string_view text)
{
    const size_t start = out.size();
    out.resize(start + 4 * text.size());
    char *to = out.data() + start;
    for (char32_t c : text) {
        if (c < 0x80) {
            *to++ = char(c);
            continue;
        }
        if (c >= 0x800 && c < 0xD800) {
            // Hanzi: three bytes, nothing to check.
            to[0] = char(0xE0 | (c >> 12));
            to[1] = char(0x80 | ((c >> 6) & 0x3F));
            to[2] = char(0x80 | (c & 0x3F));
            to += 3;
            continue;
        }
        if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
            c = 0xFFFD;
        if (c < 0x800) {
            *to++ = char(0xC0 | (c >> 6));
        } else if (c < 0x10000) {
            *to++ = char(0xE0 | (c >> 12));
            *to++ = char(0x80 | ((c >> 6) & 0x3F));
        } else {
            *to++ = char(0xF0 | (c >> 18));
            *to++ = char(0x80 | ((c >> 12) & 0x3F));
            *to++ = char(0x80 | ((c >> 6) & 0x3F));
        }
        *to++ = char(0x80 | (c & 0x3F));
    }
    out.resize(size_t(to - out.data()));
}

std::string fromUtf32(std::u32string_view text)
{
    std::string out;
    out.reserve(text.size());
    append(out, text);
    return out;
}

std::u32string toUtf32(std::string_view text)
{
    std::u32string out(text.size(), U'\0');
    out.resize(decode(text, out.data()).characters);
    return out;
}

size_t leadLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

size_t sequenceLength(std::string_view text)
{
    if (text.empty())
        return 0;
    return wellFormedAt(reinterpret_cast<const unsigned char *>(text.data()), text.size());
}

// The check that decides whether a whole file is UTF-8: ASCII and hanzi
// first, as in decode.
size_t wellFormedLength(std::string_view text)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(text.data());
    const size_t size = text.size();
    size_t i = 0;
    while (i < size) {
        if (bytes[i] < 0x80) {
            ++i;
            continue;
        }
        if (i + 3 <= size && isPlainThreeByte(bytes + i)) {
            i += 3;
            continue;
        }
        const size_t length = wellFormedAt(bytes + i, size - i);
        if (length == 0)
            break;
        i += length;
    }
    return i;
}

bool isCutSequence(std::string_view text)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(text.data());
    if (text.empty() || leadLength(bytes[0]) <= text.size())
        return false;
    if (text.size() >= 2 && !secondByteFits(bytes[0], bytes[1]))
        return false;
    for (size_t k = 2; k < text.size(); ++k) {
        if (!isContinuation(bytes[k]))
            return false;
    }
    return true;
}

// Written in place: every line of a conversion passes through here twice,
// once read from its file and once laid out by the writer.
Decoded decode(std::string_view text, char32_t *out, bool more)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(text.data());
    const size_t size = text.size();
    char32_t *to = out;
    size_t i = 0;
    size_t replaced = 0;
    while (i < size) {
        const unsigned char lead = bytes[i];
        if (lead < 0x80) {
            *to++ = lead;
            ++i;
            continue;
        }
        // Hanzi are three bytes: their common case first.
        if (i + 3 <= size && isPlainThreeByte(bytes + i)) {
            *to++ = threeByteValue(bytes + i);
            i += 3;
            continue;
        }
        const size_t used = decodeOther(bytes + i, size - i, more, to);
        if (used == 0)
            break;
        // Only a malformed byte is taken alone here: ASCII went above.
        replaced += used == 1;
        ++to;
        i += used;
    }
    return {i, size_t(to - out), replaced};
}

size_t prefixLength(std::string_view text, size_t limit)
{
    if (text.size() <= limit)
        return text.size();
    size_t cut = limit;
    // Step back over continuation bytes to the start of the cut character.
    while (cut > 0 && isContinuation(static_cast<unsigned char>(text[cut])))
        --cut;
    return cut;
}

} // namespace Utf8
