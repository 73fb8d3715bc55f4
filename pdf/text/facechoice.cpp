#include "pdf/text/facechoice.h"

#include "pdf/fonts/fontcatalog.h"
#include "pdf/text/charclass.h"

namespace tervolanpdf {

void FaceChoice::choose(const std::vector<char32_t> &codepoints, const FontFace &face,
                        FontFace::LineScript script)
{
    m_codepoints = &codepoints;
    m_face = &face;
    m_script = script;
    m_faces.assign(codepoints.size(), &face);
    for (size_t i = 0; i < codepoints.size(); ++i) {
        if (!CharClass::isControl(codepoints[i]))
            m_faces[i] = faceFor(i);
    }
}

const FontFace *FaceChoice::faceFor(size_t i) const
{
    const char32_t codepoint = (*m_codepoints)[i];
    if (CharClass::needsShaping(codepoint) && i > 0) {
        // An ignorable or a mark belongs with the character before it.
        const FontFace *before = m_faces[i - 1];
        if (CharClass::isIgnorable(codepoint)
            || (CharClass::isMark(codepoint) && before->covers(codepoint)))
            return before;
    }
    // Blanks and punctuation after right-to-left text stay in its face, so
    // that its words form one run, read right to left as a whole.
    if (i > 0 && m_faces[i - 1] != m_face && CharClass::isNeutral(codepoint)
        && followsRightToLeft(i) && m_faces[i - 1]->covers(codepoint))
        return m_faces[i - 1];
    if (CharClass::isIgnorable(codepoint) || m_face->glyphFor(codepoint, m_script) != 0)
        return m_face;
    const FontFace *fallback = FontCatalog::instance().fallbackFor(codepoint, *m_face);
    return fallback ? fallback : m_face;
}

bool FaceChoice::followsRightToLeft(size_t i) const
{
    while (i > 0 && CharClass::isNeutral((*m_codepoints)[i - 1]))
        --i;
    return i > 0 && CharClass::isRightToLeft((*m_codepoints)[i - 1]);
}

} // namespace tervolanpdf
