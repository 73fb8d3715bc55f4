#include "cmapprogram.h"

#include "pdfsyntax.h"

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

// Sections of at most 100 entries, each entry written by line(code).
template <typename Line>
void appendSections(std::string &out, size_t count, const char *begin, const char *end, Line &&line)
{
    for (size_t start = 0; start < count; start += kEntriesPerSection) {
        const size_t stop = std::min(count, start + kEntriesPerSection);
        PdfSyntax::appendInteger(out, static_cast<long long>(stop - start));
        out += begin;
        for (size_t code = start; code < stop; ++code) {
            out += '<';
            PdfSyntax::appendHex16(out, static_cast<unsigned>(code));
            out += "> ";
            line(code);
            out += '\n';
        }
        out += end;
    }
}

} // namespace

std::string CMapProgram::encoding(const std::string &name,
                                  const std::vector<CodeMap::Entry> &entries)
{
    std::string out;
    out.reserve(300 + entries.size() * 14);
    appendHeader(out, "Identity", name, 1);
    appendSections(out, entries.size(), " begincidchar\n", "endcidchar\n",
                   [&](size_t code) { PdfSyntax::appendInteger(out, entries[code].glyph); });
    appendFooter(out);
    return out;
}

std::string CMapProgram::toUnicode(const std::vector<CodeMap::Entry> &entries)
{
    std::string out;
    out.reserve(300 + entries.size() * 16);
    appendHeader(out, "UCS", "Adobe-Identity-UCS", 2);
    appendSections(out, entries.size(), " beginbfchar\n", "endbfchar\n", [&](size_t code) {
        out += '<';
        PdfSyntax::appendUtf16Hex(out, entries[code].codepoint);
        out += '>';
    });
    appendFooter(out);
    return out;
}

} // namespace tervolanpdf
