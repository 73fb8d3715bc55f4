// The ToUnicode CMap of a font: for each two-byte code shown (the glyph
// id) the character it stands for, so a reader copies and searches the
// text exactly.
#ifndef TERVOLANPDF_TOUNICODECMAP_H
#define TERVOLANPDF_TOUNICODECMAP_H

#include "glyphmap.h"

#include <string>
#include <vector>

namespace tervolanpdf {

class ToUnicodeCMap {
public:
    // The CMap program for uses (ascending glyph ids).
    static std::string make(const std::vector<GlyphMap::Use> &uses);
};

} // namespace tervolanpdf

#endif
