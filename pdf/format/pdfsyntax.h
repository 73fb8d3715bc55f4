// The few pieces of PDF syntax the writer emits by hand: numbers, strings
// and text strings, appended to a buffer without going through printf,
// which was a sixth of the time when a library formatted them for us.
#ifndef TERVOLANPDF_PDFSYNTAX_H
#define TERVOLANPDF_PDFSYNTAX_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tervolanpdf {

class PdfSyntax {
public:
    // The most entries PDF/A-1 lets an array hold; every mode keeps to it,
    // so an archival document of any length validates.
    static constexpr int kMaxArrayEntries = 8191;

    static void appendInteger(std::string &out, long long value);

    // A real with at most decimals (0 to 6) decimals, trailing zeros
    // dropped ("12", "3.5", "-0.25"); two decimals of a point are far below
    // what any device shows.
    static void appendReal(std::string &out, double value, int decimals = 2);

    // A literal string "(...)" holding the bytes as given; parentheses,
    // backslashes and line ends are escaped so a reader takes them as data.
    static void appendLiteral(std::string &out, std::string_view bytes);

    // Two-byte codes as a literal string, high byte first.
    static void appendCodes(std::string &out, const uint16_t *codes, size_t count);

    // A text string for the document information: plain ASCII as a literal,
    // anything else as UTF-16BE with a byte order mark, in hex.
    static void appendTextString(std::string &out, std::string_view utf8);

    // Four hex digits per UTF-16 unit of a code point (two for a
    // surrogate pair), without delimiters.
    static void appendUtf16Hex(std::string &out, char32_t codepoint);

    // Four hex digits of a 16-bit value.
    static void appendHex16(std::string &out, unsigned value);
};

} // namespace tervolanpdf

#endif
