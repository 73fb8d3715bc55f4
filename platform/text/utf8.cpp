#include "platform/text/utf8.h"

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
    std::u32string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        unsigned char b = text[i];
        int length = b < 0x80        ? 1
            : b >= 0xF0 && b <= 0xF4 ? 4
            : b >= 0xE0              ? 3
            : b >= 0xC2 && b < 0xE0  ? 2
                                     : 0;
        char32_t c = length == 1 ? b : length == 2 ? b & 0x1F : length == 3 ? b & 0x0F : b & 0x07;
        bool ok = length > 0 && i + length <= text.size();
        for (int k = 1; ok && k < length; ++k) {
            unsigned char t = text[i + k];
            ok = (t & 0xC0) == 0x80;
            c = (c << 6) | (t & 0x3F);
        }
        bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
        if (!ok || overlong || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        out.push_back(c);
        i += length;
    }
    return out;
}

} // namespace Utf8
