#include "pdfsyntax.h"

#include "utf8text.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace tervolanpdf {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void appendEscaped(std::string &out, unsigned char byte)
{
    switch (byte) {
    case '(':
    case ')':
    case '\\':
        out += '\\';
        out += static_cast<char>(byte);
        return;
    // A bare CR in a literal string is read back as LF.
    case '\r': out += "\\r"; return;
    case '\n': out += "\\n"; return;
    default: out += static_cast<char>(byte);
    }
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
    long long scaled = std::llround(value * scale);
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
    out += '(';
    for (const char byte : bytes)
        appendEscaped(out, static_cast<unsigned char>(byte));
    out += ')';
}

void PdfSyntax::appendCodes(std::string &out, const uint16_t *codes, size_t count)
{
    out += '(';
    for (size_t i = 0; i < count; ++i) {
        appendEscaped(out, static_cast<unsigned char>(codes[i] >> 8));
        appendEscaped(out, static_cast<unsigned char>(codes[i] & 0xFF));
    }
    out += ')';
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
    std::vector<char32_t> codepoints;
    Utf8Text::decode(utf8, codepoints);
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
