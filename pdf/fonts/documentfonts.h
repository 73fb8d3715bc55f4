// The fonts of one document: one per face it draws with, and for a face
// whose glyphs stand for more than one text (NBSP drawn as the space, a
// radical as its hanzi, several missing characters as .notdef) further
// fonts of the same face, so that in each font a glyph reads as one text.
#ifndef TERVOLANPDF_DOCUMENTFONTS_H
#define TERVOLANPDF_DOCUMENTFONTS_H

#include "pdf/fonts/documentfont.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace tervolanpdf {

class FontFace;
class PdfObjectWriter;

class DocumentFonts {
public:
    explicit DocumentFonts(PdfObjectWriter &writer);

    struct Placement {
        const DocumentFont *font;
        uint16_t code;
    };
    // The font and code that show glyph of face and read as text; a blank
    // code takes no room (the font gives its glyph no width).
    Placement place(const FontFace &face, uint16_t glyph, std::u32string_view text, bool blank);

    // The font that face's glyphs try first.
    DocumentFont &firstFontOf(const FontFace &face);

    const std::vector<std::unique_ptr<DocumentFont>> &all() const { return m_fonts; }

private:
    DocumentFont &add(const FontFace &face);

    PdfObjectWriter &m_writer;
    std::vector<std::unique_ptr<DocumentFont>> m_fonts;
    DocumentFont *m_lastFont = nullptr;
};

} // namespace tervolanpdf

#endif
