#include "fontface.h"

#include "tervolanpdf-private.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

namespace tervolanpdf {

namespace {

hb_face_t *openHbFace(const std::string &path, int index)
{
    hb_blob_t *blob = hb_blob_create_from_file_or_fail(path.c_str());
    if (!blob)
        throw PdfError("cannot read the font file \"" + path + "\"");
    hb_face_t *face = hb_face_create(blob, static_cast<unsigned>(index));
    hb_blob_destroy(blob);
    if (hb_face_get_glyph_count(face) == 0) {
        hb_face_destroy(face);
        throw PdfError("the font file \"" + path + "\" holds no usable face "
                       + std::to_string(index));
    }
    return face;
}

// cairo opens the face itself from a pattern naming file and index, and so
// keeps its own FreeType face under its own lock: HarfBuzz never touches
// that face, which is what makes sharing across threads safe.
cairo_font_face_t *openCairoFace(const std::string &path, int index)
{
    FcPattern *pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FILE, reinterpret_cast<const FcChar8 *>(path.c_str()));
    FcPatternAddInteger(pattern, FC_INDEX, index);
    cairo_font_face_t *face = cairo_ft_font_face_create_for_pattern(pattern);
    FcPatternDestroy(pattern);
    if (cairo_font_face_status(face) != CAIRO_STATUS_SUCCESS) {
        const std::string cause = cairo_status_to_string(cairo_font_face_status(face));
        cairo_font_face_destroy(face);
        throw PdfError("cannot load the font \"" + path + "\": " + cause);
    }
    return face;
}

} // namespace

FontFace::FontFace(const std::string &path, int index)
    : m_path(path)
{
    hb_face_t *face = openHbFace(path, index);
    m_unitsPerEm = hb_face_get_upem(face);
    m_hbFont = hb_font_create(face);
    hb_face_destroy(face);
    hb_font_make_immutable(m_hbFont);

    hb_font_extents_t extents;
    if (hb_font_get_h_extents(m_hbFont, &extents) && extents.ascender > 0)
        m_ascent = extents.ascender;
    else
        m_ascent = 0.88 * m_unitsPerEm;
    if (hb_font_get_nominal_glyph(m_hbFont, ' ', &m_spaceGlyph))
        m_spaceAdvance = hb_font_get_glyph_h_advance(m_hbFont, m_spaceGlyph);
    else
        m_spaceAdvance = m_unitsPerEm / 4;

    try {
        m_cairoFace = openCairoFace(path, index);
    } catch (...) {
        hb_font_destroy(m_hbFont);
        throw;
    }
}

FontFace::~FontFace()
{
    cairo_font_face_destroy(m_cairoFace);
    hb_font_destroy(m_hbFont);
}

} // namespace tervolanpdf
