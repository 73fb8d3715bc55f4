// The language a line's script tells, for the /Lang of its paragraph in a
// tagged document: a screen reader reads Uyghur, Tibetan or Korean text
// in a Chinese document with the right voice only when told.
#ifndef TERVOLANPDF_SCRIPTLANGUAGE_H
#define TERVOLANPDF_SCRIPTLANGUAGE_H

#include <span>

namespace tervolanpdf {

class ScriptLanguage {
public:
    // The language tag of the first character of a definite script, or ""
    // where that script does not tell one language (Han, Latin, Cyrillic)
    // or the line has none.
    static const char *of(std::span<const char32_t> codepoints);
};

} // namespace tervolanpdf

#endif
