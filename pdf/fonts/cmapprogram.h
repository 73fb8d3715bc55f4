// The two CMap programs of a font: the encoding (code to CID, the glyph
// id) that the pages are drawn with, and the ToUnicode map (code to
// character) that makes the text copy and search exactly.
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
