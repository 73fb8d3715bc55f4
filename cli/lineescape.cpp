#include "cli/lineescape.h"

#include <cstdio>

namespace LineEscape {

namespace {

// The escapes a C programmer reads at a glance; other control bytes go in
// three octal digits.
char shortEscape(unsigned char byte)
{
    switch (byte) {
    case '\a': return 'a';
    case '\b': return 'b';
    case '\t': return 't';
    case '\n': return 'n';
    case '\v': return 'v';
    case '\f': return 'f';
    case '\r': return 'r';
    case '\\': return '\\';
    default: return 0;
    }
}

void appendEscape(std::string &out, unsigned char byte)
{
    if (char letter = shortEscape(byte)) {
        out += {'\\', letter};
        return;
    }
    char octal[5];
    std::snprintf(octal, sizeof(octal), "\\%03o", byte);
    out += octal;
}

// U+0080 to U+009F, which some terminals obey as control characters.
bool isC1Lead(std::string_view text, size_t index)
{
    return static_cast<unsigned char>(text[index]) == 0xC2 && index + 1 < text.size()
        && (static_cast<unsigned char>(text[index + 1]) & 0xE0) == 0x80;
}

} // namespace

std::string escaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t index = 0; index < text.size(); ++index) {
        const auto byte = static_cast<unsigned char>(text[index]);
        if (isC1Lead(text, index)) {
            appendEscape(out, byte);
            appendEscape(out, static_cast<unsigned char>(text[++index]));
        } else if (byte < 0x20 || byte == 0x7F || byte == '\\') {
            appendEscape(out, byte);
        } else {
            out += char(byte);
        }
    }
    return out;
}

} // namespace LineEscape
