// Turns one line of UTF-8 text into the glyph codes of a face: one glyph
// per character, looked up in the face's cmap, so every glyph maps back to
// exactly the character it shows. Invalid UTF-8 becomes U+FFFD, control
// characters blanks, and a tab reaches the next stop of eight blanks.
#ifndef TERVOLANPDF_LINELAYOUT_H
#define TERVOLANPDF_LINELAYOUT_H

#include <cstdint>
#include <string_view>
#include <vector>

namespace tervolanpdf {

class GlyphMap;

class LineLayout {
public:
    struct Glyph {
        uint16_t code;       // glyph id, the two-byte code on the page
        bool ownText;        // shows a character other than its map entry
        char32_t codepoint;  // the character shown
        float extraAdvance;  // past the glyph's width, in 1/1000 em (tabs)
    };

    // Lays out text with glyphs; also records each glyph's use in glyphs.
    void layOut(std::string_view text, GlyphMap &glyphs, uint16_t spaceGlyph);

    // Results of the last layOut(), valid until the next one.
    const std::vector<Glyph> &glyphs() const { return m_glyphs; }

private:
    std::vector<char32_t> m_codepoints;
    std::vector<Glyph> m_glyphs;
};

} // namespace tervolanpdf

#endif
