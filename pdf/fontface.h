// One font face, loaded once per process and shared by every box and
// thread: HarfBuzz shapes with it and cairo draws and embeds it.
#ifndef TERVOLANPDF_FONTFACE_H
#define TERVOLANPDF_FONTFACE_H

#include <cairo.h>
#include <hb.h>

#include <memory>
#include <string>

namespace tervolanpdf {

class FontFace {
public:
    // Opens face index of the font file at path. Throws PdfError when the
    // file cannot be read or holds no usable face.
    FontFace(const std::string &path, int index);
    ~FontFace();

    FontFace(const FontFace &) = delete;
    FontFace &operator=(const FontFace &) = delete;

    // Immutable after construction, so any number of threads may shape
    // with it at once. Its scale is the font's design units.
    hb_font_t *hbFont() const { return m_hbFont; }
    // The same file and face for cairo, which subsets and embeds it.
    cairo_font_face_t *cairoFace() const { return m_cairoFace; }

    double unitsPerEm() const { return m_unitsPerEm; }
    // Distance from the top of a line to its baseline, in design units.
    double ascent() const { return m_ascent; }
    // Glyph and advance used for blanks and control characters.
    hb_codepoint_t spaceGlyph() const { return m_spaceGlyph; }
    double spaceAdvance() const { return m_spaceAdvance; }
    const std::string &path() const { return m_path; }

private:
    std::string m_path;
    hb_font_t *m_hbFont = nullptr;
    cairo_font_face_t *m_cairoFace = nullptr;
    double m_unitsPerEm = 1000;
    double m_ascent = 880;
    hb_codepoint_t m_spaceGlyph = 0;
    double m_spaceAdvance = 250;
};

} // namespace tervolanpdf

#endif
