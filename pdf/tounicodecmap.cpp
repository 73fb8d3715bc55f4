#include "tounicodecmap.h"

#include "pdfsyntax.h"

#include <algorithm>

namespace tervolanpdf {

namespace {

// A CMap section may hold at most 100 entries.
constexpr size_t kEntriesPerSection = 100;

} // namespace

std::string ToUnicodeCMap::make(const std::vector<GlyphMap::Use> &uses)
{
    std::string out;
    out.reserve(200 + uses.size() * 16);
    out += "/CIDInit /ProcSet findresource begin\n"
           "12 dict begin\n"
           "begincmap\n"
           "/CIDSystemInfo <</Registry (Adobe) /Ordering (UCS) /Supplement 0>> def\n"
           "/CMapName /Adobe-Identity-UCS def\n"
           "/CMapType 2 def\n"
           "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    for (size_t start = 0; start < uses.size(); start += kEntriesPerSection) {
        const size_t end = std::min(uses.size(), start + kEntriesPerSection);
        PdfSyntax::appendInteger(out, static_cast<long long>(end - start));
        out += " beginbfchar\n";
        for (size_t i = start; i < end; ++i) {
            out += '<';
            PdfSyntax::appendHex16(out, uses[i].glyph);
            out += "> <";
            PdfSyntax::appendUtf16Hex(out, uses[i].codepoint);
            out += ">\n";
        }
        out += "endbfchar\n";
    }
    out += "endcmap\n"
           "CMapName currentdict /CMap defineresource pop\n"
           "end\n"
           "end\n";
    return out;
}

} // namespace tervolanpdf
