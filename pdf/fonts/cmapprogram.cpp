#include "pdf/fonts/cmapprogram.h"

#include "pdf/format/pdfsyntax.h"

#include <algorithm>

namespace tervolanpdf {

namespace {

// A CMap section may hold at most 100 entries.
constexpr size_t kEntriesPerSection = 100;

void appendHeader(std::string &out, const char *ordering, const std::string &name, int type)
{
    out += "/CIDInit /ProcSet findresource begin\n"
           "12 dict begin\n"
           "begincmap\n"
           "/CIDSystemInfo <</Registry (Adobe) /Ordering (";
    out += ordering;
    out += ") /Supplement 0>> def\n/CMapName /";
    out += name;
    out += " def\n/CMapType ";
    PdfSyntax::appendInteger(out, type);
    out += " def\n1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
}

void appendFooter(std::string &out)
{
    out += "endcmap\n"
           "CMapName currentdict /CMap defineresource pop\n"
           "end\n"
           "end\n";
}

// Sections of at most 100 entries, one for each of codes, each entry
// written by line(code).
template <typename Line>
void appendSections(std::string &out, const std::vector<uint16_t> &codes, const char *begin,
                    const char *end, Line &&line)
{
    for (size_t start = 0; start < codes.size(); start += kEntriesPerSection) {
        const size_t stop = std::min(codes.size(), start + kEntriesPerSection);
        PdfSyntax::appendInteger(out, static_cast<long long>(stop - start));
        out += begin;
        for (size_t i = start; i < stop; ++i) {
            out += '<';
            PdfSyntax::appendHex16(out, codes[i]);
            out += "> ";
            line(codes[i]);
            out += '\n';
        }
        out += end;
    }
}

std::vector<uint16_t> codesOf(const std::vector<CodeMap::Entry> &entries)
{
    std::vector<uint16_t> codes(entries.size());
    for (size_t code = 0; code < entries.size(); ++code)
        codes[code] = static_cast<uint16_t>(code);
    return codes;
}

} // namespace

std::string CMapProgram::encoding(const std::string &name,
                                  const std::vector<CodeMap::Entry> &entries)
{
    std::string out;
    out.reserve(300 + entries.size() * 14);
    appendHeader(out, "Identity", name, 1);
    appendSections(out, codesOf(entries), " begincidchar\n", "endcidchar\n",
                   [&](size_t code) { PdfSyntax::appendInteger(out, entries[code].glyph); });
    appendFooter(out);
    return out;
}

// Every code maps, the later glyphs of a cluster to no text: a reader
// finding no entry makes up a character of its own for the code.
std::string CMapProgram::toUnicode(const std::vector<CodeMap::Entry> &entries)
{
    std::string out;
    out.reserve(300 + entries.size() * 16);
    appendHeader(out, "UCS", "Adobe-Identity-UCS", 2);
    appendSections(out, codesOf(entries), " beginbfchar\n", "endbfchar\n", [&](size_t code) {
        out += '<';
        for (const char32_t codepoint : entries[code].text)
            PdfSyntax::appendUtf16Hex(out, codepoint);
        out += '>';
    });
    appendFooter(out);
    return out;
}

} // namespace tervolanpdf
