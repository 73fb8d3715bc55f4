// Turns one line of UTF-8 text into the character codes of a face: one
// code per character, so every glyph maps back to exactly the character it
// shows. Invalid UTF-8 becomes U+FFFD, control characters blanks, and a tab
// reaches the next stop of eight blanks.
#ifndef TERVOLANPDF_LINELAYOUT_H
#define TERVOLANPDF_LINELAYOUT_H

#include <cstdint>
#include <string_view>
#include <vector>

namespace tervolanpdf {

class CodeMap;

class LineLayout {
public:
    struct Glyph {
        uint16_t code;      // the two-byte code on the page
        float extraAdvance; // past the glyph's width, in 1/1000 em (tabs)
    };

    // Lays out text with the codes of codes, handing out new ones as needed.
    void layOut(std::string_view text, CodeMap &codes);

    // Results of the last layOut(), valid until the next one.
    const std::vector<Glyph> &glyphs() const { return m_glyphs; }

private:
    std::vector<char32_t> m_codepoints;
    std::vector<Glyph> m_glyphs;
};

} // namespace tervolanpdf

#endif
