// Cuts a CID-keyed CFF font down to a set of glyphs by copying their
// programs as they are, subroutines and all: no glyph is interpreted
// beyond finding the subroutines it calls, which keeps large subsets (a
// book's thousands of hanzi) quick to make. Glyphs get new ids in
// ascending order but keep their CIDs.
#ifndef TERVOLANPDF_CFFSUBSET_H
#define TERVOLANPDF_CFFSUBSET_H

#include <cstdint>
#include <string>
#include <vector>

namespace tervolanpdf {

class CffFont;

class CffSubset {
public:
    // glyphs ascending, without repeats; .notdef is kept whether listed or
    // not. Returns the subset's CFF table, or "" when a glyph program uses
    // something the copy cannot follow (the caller then needs another way).
    static std::string make(const CffFont &font, const std::vector<uint16_t> &glyphs);
};

} // namespace tervolanpdf

#endif
