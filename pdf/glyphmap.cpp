#include "glyphmap.h"

#include "fontface.h"

namespace tervolanpdf {

namespace {

constexpr char32_t kNotUsed = 0xFFFFFFFF;

} // namespace

GlyphMap::GlyphMap(const FontFace &face)
    : m_face(face)
    , m_firstUse(face.glyphCount(), kNotUsed)
{
}

uint16_t GlyphMap::glyph(char32_t codepoint, FontFace::LineScript script) const
{
    return m_face.glyphFor(codepoint, script);
}

double GlyphMap::width(uint16_t glyph) const
{
    return m_face.widthOf(glyph);
}

bool GlyphMap::use(uint16_t glyph, char32_t codepoint)
{
    if (glyph >= m_firstUse.size())
        return true;
    char32_t &first = m_firstUse[glyph];
    if (first == kNotUsed) {
        first = codepoint;
        ++m_usedCount;
        return false;
    }
    return first != codepoint;
}

std::vector<GlyphMap::Use> GlyphMap::uses() const
{
    std::vector<Use> result;
    result.reserve(m_usedCount);
    for (size_t glyph = 0; glyph < m_firstUse.size(); ++glyph) {
        if (m_firstUse[glyph] != kNotUsed)
            result.push_back({static_cast<uint16_t>(glyph), m_firstUse[glyph]});
    }
    return result;
}

} // namespace tervolanpdf
