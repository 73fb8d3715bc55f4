// Cuts a CID-keyed CFF font down to a set of glyphs by copying their
// programs as they are, subroutines and all: no glyph is interpreted
// beyond finding the subroutines it calls, which keeps large subsets (a
// book's thousands of hanzi) quick to make. Glyphs get new ids in
// ascending order and keep their CIDs or take the ones given.
#ifndef TERVOLANPDF_CFFSUBSET_H
#define TERVOLANPDF_CFFSUBSET_H

#include <cstdint>
#include <string>
#include <vector>

namespace tervolanpdf {

class CffFont;

class CffSubset {
public:
    // glyphs ascending; .notdef comes first whether listed or not. Without
    // cids each glyph keeps its CID and is listed once; with cids, in step
    // with glyphs, each gets the CID given (so that a PDF's codes can be
    // the CIDs), repeats and .notdef included. Returns the subset's CFF
    // table, or "" when a glyph program uses something the copy cannot
    // follow (the caller then needs another way).
    static std::string make(const CffFont &font, const std::vector<uint16_t> &glyphs,
                            const std::vector<uint16_t> &cids = {});
};

} // namespace tervolanpdf

#endif
