#include "pdf/format/utf8text.h"

namespace tervolanpdf {

namespace {

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Lowest and highest allowed second byte for a lead byte, which rules out
// overlong forms, surrogates and values past U+10FFFF in one check.
void secondByteRange(unsigned char lead, unsigned char &low, unsigned char &high)
{
    low = 0x80;
    high = 0xBF;
    if (lead == 0xE0)
        low = 0xA0;
    else if (lead == 0xED)
        high = 0x9F;
    else if (lead == 0xF0)
        low = 0x90;
    else if (lead == 0xF4)
        high = 0x8F;
}

size_t expectedLength(unsigned char lead)
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

// Three-byte characters without the lead bytes whose second byte has a
// narrower range: all of the common hanzi, taken without the general check.
bool isPlainThreeByte(const unsigned char *bytes)
{
    const unsigned char lead = bytes[0];
    return lead >= 0xE1 && lead <= 0xEF && lead != 0xED && isContinuation(bytes[1])
        && isContinuation(bytes[2]);
}

} // namespace

size_t Utf8Text::sequenceLength(std::string_view text)
{
    if (text.empty())
        return 0;
    const auto lead = static_cast<unsigned char>(text[0]);
    const size_t length = expectedLength(lead);
    if (length <= 1 || text.size() < length)
        return length == 1 ? 1 : 0;
    unsigned char low, high;
    secondByteRange(lead, low, high);
    const auto second = static_cast<unsigned char>(text[1]);
    if (second < low || second > high)
        return 0;
    for (size_t i = 2; i < length; ++i) {
        if (!isContinuation(static_cast<unsigned char>(text[i])))
            return 0;
    }
    return length;
}

void Utf8Text::decode(std::string_view text, std::vector<char32_t> &out)
{
    // Never more characters than bytes; written in place, then trimmed.
    out.resize(text.size());
    char32_t *to = out.data();
    const auto *bytes = reinterpret_cast<const unsigned char *>(text.data());
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = bytes[i];
        if (lead < 0x80) {
            *to++ = lead;
            ++i;
            continue;
        }
        if (i + 2 < text.size() && isPlainThreeByte(bytes + i)) {
            *to++ = char32_t(lead & 0x0F) << 12 | char32_t(bytes[i + 1] & 0x3F) << 6
                | char32_t(bytes[i + 2] & 0x3F);
            i += 3;
            continue;
        }
        const size_t length = sequenceLength(text.substr(i));
        if (length == 0) {
            *to++ = 0xFFFD;
            ++i;
            continue;
        }
        char32_t value = lead & (0xFF >> (length + 1));
        for (size_t k = 1; k < length; ++k)
            value = (value << 6) | (bytes[i + k] & 0x3F);
        *to++ = value;
        i += length;
    }
    out.resize(size_t(to - out.data()));
}

size_t Utf8Text::prefixLength(std::string_view text, size_t limit)
{
    if (text.size() <= limit)
        return text.size();
    size_t cut = limit;
    // Step back over continuation bytes to the start of the cut character.
    while (cut > 0 && isContinuation(static_cast<unsigned char>(text[cut])))
        --cut;
    return cut;
}

} // namespace tervolanpdf
