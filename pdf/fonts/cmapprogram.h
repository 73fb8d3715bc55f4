// The CMap programs of a font: the ToUnicode map (code to character) that
// makes the text copy and search exactly, and for a name-keyed CFF font,
// whose glyphs only their ids address, the encoding (code to glyph id)
// its pages are drawn with.
#ifndef TERVOLANPDF_CMAPPROGRAM_H
#define TERVOLANPDF_CMAPPROGRAM_H

#include "pdf/fonts/codemap.h"

#include <string>
#include <vector>

namespace tervolanpdf {

class CMapProgram {
public:
    // The encoding CMap called name, for codes 0 to entries.size() - 1.
    static std::string encoding(const std::string &name,
                                const std::vector<CodeMap::Entry> &entries);
    static std::string toUnicode(const std::vector<CodeMap::Entry> &entries);
};

} // namespace tervolanpdf

#endif
