// Cuts a face down to the glyphs one document used, with HarfBuzz's
// subsetter, and gives back the font program the PDF embeds.
#ifndef TERVOLANPDF_FONTSUBSET_H
#define TERVOLANPDF_FONTSUBSET_H

#include <cstdint>
#include <string>
#include <vector>

namespace tervolanpdf {

class FontFace;

class FontSubset {
public:
    // The bare CFF table for CFF faces (embedded as FontFile3), the whole
    // TrueType font for glyf faces (FontFile2). Glyph ids keep their
    // numbers where the PDF addresses glyphs by id (TrueType and
    // name-keyed CFF); CID-keyed CFF keeps each glyph's CID instead. The
    // .notdef outline stays, so missing characters show as a box. Throws
    // PdfError when the subsetter fails.
    static std::string make(const FontFace &face, const std::vector<uint16_t> &glyphs);
};

} // namespace tervolanpdf

#endif
