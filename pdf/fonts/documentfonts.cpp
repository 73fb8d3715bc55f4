#include "pdf/fonts/documentfonts.h"

#include "pdf/format/pdfobjectwriter.h"

#include <string>

namespace tervolanpdf {

namespace {

// Past this many fonts of one face, the last one lets glyphs stand for
// several texts again: a text full of characters no font has would
// otherwise get a font for each.
constexpr int kFontsPerFace = 16;

} // namespace

DocumentFonts::DocumentFonts(PdfObjectWriter &writer) : m_writer(writer) {}

DocumentFonts::Placement DocumentFonts::place(const FontFace &face, uint16_t glyph,
                                              std::u32string_view text, bool blank)
{
    DocumentFont *font = &firstFontOf(face);
    for (int depth = 1;; ++depth) {
        const std::optional<uint16_t> code = depth < kFontsPerFace
            ? font->codes().code(glyph, text, blank)
            : font->codes().sharedCode(glyph, text, blank);
        if (code)
            return {font, *code};
        if (!font->next())
            font->setNext(&add(face));
        font = font->next();
    }
}

DocumentFont &DocumentFonts::firstFontOf(const FontFace &face)
{
    if (m_lastFont && &m_lastFont->face() == &face)
        return *m_lastFont;
    for (const auto &font : m_fonts) {
        if (&font->face() == &face) {
            m_lastFont = font.get();
            return *font;
        }
    }
    m_lastFont = &add(face);
    return *m_lastFont;
}

DocumentFont &DocumentFonts::add(const FontFace &face)
{
    m_fonts.push_back(std::make_unique<DocumentFont>(face, m_writer.reserve(),
                                                     "F" + std::to_string(m_fonts.size() + 1)));
    return *m_fonts.back();
}

} // namespace tervolanpdf
