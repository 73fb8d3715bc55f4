// Which glyphs of one face one document used, each with the character it
// first stood for. The subset, the widths and the Unicode map of the face
// are made from this.
#ifndef TERVOLANPDF_GLYPHMAP_H
#define TERVOLANPDF_GLYPHMAP_H

#include "fontface.h"

#include <hb.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tervolanpdf {

class GlyphMap {
public:
    explicit GlyphMap(const FontFace &face);

    // The glyph for codepoint in a line of script (see FontFace::glyphFor),
    // 0 (.notdef) when the face lacks it.
    uint16_t glyph(char32_t codepoint, FontFace::LineScript script) const;

    // Advance of glyph in thousandths of an em, as PDF widths are given.
    double width(uint16_t glyph) const;

    // Records that glyph was shown for codepoint. Returns true when the
    // glyph already stands for another character in this document (the
    // font maps both to one shape, or both are missing), so that the
    // caller marks this occurrence with its own text.
    bool use(uint16_t glyph, char32_t codepoint);

    // Used glyphs in ascending order, each with its first character.
    struct Use {
        uint16_t glyph;
        char32_t codepoint;
    };
    std::vector<Use> uses() const;
    bool empty() const { return m_usedCount == 0; }

private:
    const FontFace &m_face;
    std::vector<char32_t> m_firstUse; // by glyph; kNotUsed: unused
    size_t m_usedCount = 0;
};

} // namespace tervolanpdf

#endif
