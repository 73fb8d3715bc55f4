// Which face draws each character of a line: the line's own where it has
// the glyph, else another installed face that has it; marks and
// ignorables go with the character before them, and the blanks between
// right-to-left words with those words.
#ifndef TERVOLANPDF_FACECHOICE_H
#define TERVOLANPDF_FACECHOICE_H

#include "pdf/fonts/fontface.h"

#include <cstddef>
#include <vector>

namespace tervolanpdf {

class FaceChoice {
public:
    // Chooses for codepoints, a line in face whose characters take their
    // glyphs in script.
    void choose(const std::vector<char32_t> &codepoints, const FontFace &face,
                FontFace::LineScript script);

    // The face of character i of the line last chosen for.
    const FontFace *operator[](size_t i) const { return m_faces[i]; }

private:
    const FontFace *faceFor(size_t i) const;
    bool followsRightToLeft(size_t i) const;

    std::vector<const FontFace *> m_faces;
    const std::vector<char32_t> *m_codepoints = nullptr;
    const FontFace *m_face = nullptr;
    FontFace::LineScript m_script = FontFace::LineScript::None;
};

} // namespace tervolanpdf

#endif
