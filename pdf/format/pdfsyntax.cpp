#include "pdf/format/pdfsyntax.h"

#include "platform/text/utf8.h"

#include <array>
#include <charconv>
#include <cmath>
#include <vector>

namespace tervolanpdf {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// The letter after the backslash for each byte a literal string escapes,
// 0 for the rest. A bare CR in a literal string is read back as LF.
constexpr std::array<char, 256> kEscapes = [] {
    std::array<char, 256> escapes{};
    escapes['('] = '(';
    escapes[')'] = ')';
    escapes['\\'] = '\\';
    escapes['\r'] = 'r';
    escapes['\n'] = 'n';
    return escapes;
}();

// Writes byte as it stands inside a literal string; returns the end. At most
// two characters, which callers make room for. One table lookup, since the
// bytes of glyph codes are as good as random.
char *writeEscaped(char *to, unsigned char byte)
{
    const char escape = kEscapes[byte];
    if (escape != 0) {
        *to++ = '\\';
        *to++ = escape;
        return to;
    }
    *to++ = static_cast<char>(byte);
    return to;
}

// Room for a literal string of byteCount bytes, filled through the pointer
// returned; finishLiteral trims what was not used.
char *startLiteral(std::string &out, size_t byteCount)
{
    const size_t start = out.size();
    out.resize(start + 2 * byteCount + 2);
    char *to = out.data() + start;
    *to++ = '(';
    return to;
}

void finishLiteral(std::string &out, char *to)
{
    *to++ = ')';
    out.resize(size_t(to - out.data()));
}

} // namespace

void PdfSyntax::appendInteger(std::string &out, long long value)
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

void PdfSyntax::appendReal(std::string &out, double value, int decimals)
{
    static constexpr long long kScales[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    const long long scale = kScales[decimals < 0 ? 0 : decimals > 6 ? 6 : decimals];
    long long scaled = std::llround(value * static_cast<double>(scale));
    if (scaled < 0) {
        out += '-';
        scaled = -scaled;
    }
    appendInteger(out, scaled / scale);
    long long fraction = scaled % scale;
    if (fraction == 0)
        return;
    out += '.';
    for (long long digit = scale / 10; fraction != 0; digit /= 10) {
        out += static_cast<char>('0' + fraction / digit);
        fraction %= digit;
    }
}

void PdfSyntax::appendLiteral(std::string &out, std::string_view bytes)
{
    char *to = startLiteral(out, bytes.size());
    for (const char byte : bytes)
        to = writeEscaped(to, static_cast<unsigned char>(byte));
    finishLiteral(out, to);
}

// Page content is mostly these strings, so they are written in place.
void PdfSyntax::appendCodes(std::string &out, const uint16_t *codes, size_t count)
{
    char *to = startLiteral(out, 2 * count);
    for (size_t i = 0; i < count; ++i) {
        to = writeEscaped(to, static_cast<unsigned char>(codes[i] >> 8));
        to = writeEscaped(to, static_cast<unsigned char>(codes[i] & 0xFF));
    }
    finishLiteral(out, to);
}

void PdfSyntax::appendTextString(std::string &out, std::string_view utf8)
{
    bool plain = true;
    for (const char byte : utf8) {
        const auto value = static_cast<unsigned char>(byte);
        if (value < 0x20 || value >= 0x7F)
            plain = false;
    }
    if (plain) {
        appendLiteral(out, utf8);
        return;
    }
    std::vector<char32_t> codepoints(utf8.size());
    codepoints.resize(Utf8::decode(utf8, codepoints.data()).characters);
    out += "<FEFF";
    for (const char32_t codepoint : codepoints)
        appendUtf16Hex(out, codepoint);
    out += '>';
}

void PdfSyntax::appendUtf16Hex(std::string &out, char32_t codepoint)
{
    if (codepoint < 0x10000) {
        appendHex16(out, codepoint);
        return;
    }
    const char32_t value = codepoint - 0x10000;
    appendHex16(out, 0xD800 + (value >> 10));
    appendHex16(out, 0xDC00 + (value & 0x3FF));
}

void PdfSyntax::appendHex16(std::string &out, unsigned value)
{
    out += kHexDigits[(value >> 12) & 0xF];
    out += kHexDigits[(value >> 8) & 0xF];
    out += kHexDigits[(value >> 4) & 0xF];
    out += kHexDigits[value & 0xF];
}

} // namespace tervolanpdf
