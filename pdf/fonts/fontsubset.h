// Cuts a face down to the glyphs one document used and gives back the font
// program the PDF embeds: with HarfBuzz's subsetter, or for a large set of
// a CID-keyed face's glyphs by copying their programs.
#ifndef TERVOLANPDF_FONTSUBSET_H
#define TERVOLANPDF_FONTSUBSET_H

#include <cstdint>
#include <string>
#include <vector>

typedef struct hb_face_t hb_face_t;

namespace tervolanpdf {

class CffFont;
class FontFace;

class FontSubset {
public:
    // The bare CFF table for CFF faces (embedded as FontFile3), the whole
    // TrueType font for glyf faces (FontFile2), holding the glyphs of
    // byCode, the glyph each code of a document font shows. Glyph ids keep
    // their numbers where the PDF maps codes to glyph ids (TrueType and
    // name-keyed CFF); a CID-keyed CFF subset gives each code its glyph
    // under CID = code, as its pages are drawn with codes as CIDs. The
    // .notdef outline stays, so missing characters show as a box. Throws
    // PdfError when a CFF face cannot be cut.
    static std::string make(const FontFace &face, const std::vector<uint16_t> &byCode);

    // The same with HarfBuzz's subsetter whatever the face and glyphs; a
    // TrueType face it cannot cut is embedded whole.
    static std::string withSubsetter(const FontFace &face, const std::vector<uint16_t> &glyphs);

private:
    static std::string cidKeyed(const FontFace &face, const std::vector<uint16_t> &byCode);
    static void byGlyph(const std::vector<uint16_t> &byCode, std::vector<uint16_t> &glyphs,
                        std::vector<uint16_t> &cids);
    static std::vector<uint16_t> inCut(const FontFace &face, const CffFont &cut,
                                       const std::vector<uint16_t> &byCode);
    static hb_face_t *subsetOrNull(const FontFace &face, const std::vector<uint16_t> &glyphs,
                                   bool keepCmap);
    static std::string wholeFace(const FontFace &face);
};

} // namespace tervolanpdf

#endif
