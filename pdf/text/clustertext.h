// How the text of a cluster of several glyphs is shared out among them,
// for readers that take each glyph's own text and ignore the cluster's.
#ifndef TERVOLANPDF_CLUSTERTEXT_H
#define TERVOLANPDF_CLUSTERTEXT_H

#include <hb.h>

#include <string_view>
#include <vector>

namespace tervolanpdf {

class FontFace;

class ClusterText {
public:
    // A glyph of the cluster (its index from 0) or, with glyph -1, an
    // ignorable standing between two glyphs, to be shown as a blank.
    struct Piece {
        int glyph;
        std::u32string_view text;
    };

    // The pieces of text, in order, for the count glyphs infos of face.
    // Each later glyph that is a trailing character's own glyph (a mark, a
    // vowel sign, an emoji of a sequence) carries that one character, and
    // the joiners after it stand alone: some readers take a code's text a
    // UTF-16 unit at a time and must not meet an emoji with its joiner.
    // The first glyph carries the rest, other glyphs nothing.
    static std::vector<Piece> pieces(const FontFace &face, std::u32string_view text,
                                     const hb_glyph_info_t *infos, unsigned count);

private:
    static size_t beforeIgnorables(std::u32string_view text, size_t end);
};

} // namespace tervolanpdf

#endif
