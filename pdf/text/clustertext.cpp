#include "pdf/text/clustertext.h"

#include "pdf/fonts/fontface.h"
#include "pdf/text/charclass.h"

#include <algorithm>

namespace tervolanpdf {

namespace {

bool isNominal(const FontFace &face, char32_t codepoint, hb_codepoint_t glyph)
{
    hb_codepoint_t nominal = 0;
    return hb_font_get_nominal_glyph(face.hbFont(), codepoint, &nominal) && nominal == glyph;
}

} // namespace

// Where ignorables end text[0, end), keeping its first character.
size_t ClusterText::beforeIgnorables(std::u32string_view text, size_t end)
{
    while (end > 1 && CharClass::isIgnorable(text[end - 1]))
        --end;
    return end;
}

// Taken from the end, so that what the first glyph keeps stays in order
// before the rest.
std::vector<ClusterText::Piece> ClusterText::pieces(const FontFace &face, std::u32string_view text,
                                                    const hb_glyph_info_t *infos, unsigned count)
{
    std::vector<Piece> pieces;
    size_t rest = text.size();
    const auto blanksFrom = [&](size_t stop) {
        for (size_t at = rest; at > stop; --at)
            pieces.push_back({-1, text.substr(at - 1, 1)});
    };
    for (unsigned i = count - 1; i > 0; --i) {
        const size_t stop = beforeIgnorables(text, rest);
        if (stop <= 1 || !isNominal(face, text[stop - 1], infos[i].codepoint)) {
            pieces.push_back({static_cast<int>(i), {}});
            continue;
        }
        blanksFrom(stop);
        pieces.push_back({static_cast<int>(i), text.substr(stop - 1, 1)});
        rest = stop - 1;
    }
    const size_t stop = beforeIgnorables(text, rest);
    blanksFrom(stop);
    pieces.push_back({0, text.substr(0, stop)});
    std::reverse(pieces.begin(), pieces.end());
    return pieces;
}

} // namespace tervolanpdf
