#include "codemap.h"

namespace tervolanpdf {

namespace {

constexpr size_t kMaxCodes = 0x10000;

uint64_t key(char32_t codepoint, uint16_t glyph)
{
    return (static_cast<uint64_t>(codepoint) << 16) | glyph;
}

} // namespace

CodeMap::CodeMap(const FontFace &face) : m_face(face), m_entries{{0, 0xFFFD}}, m_bmp(0x10000, 0) {}

uint16_t CodeMap::code(char32_t codepoint, FontFace::LineScript script)
{
    const uint16_t glyph = m_face.glyphFor(codepoint, script);
    if (codepoint < 0x10000) {
        const uint16_t known = m_bmp[codepoint];
        if (known != 0 && m_entries[known].glyph == glyph)
            return known;
        if (known == 0) {
            const uint16_t fresh = assign(codepoint, glyph);
            m_bmp[codepoint] = fresh;
            return fresh;
        }
    }
    const auto found = m_other.find(key(codepoint, glyph));
    if (found != m_other.end())
        return found->second;
    const uint16_t fresh = assign(codepoint, glyph);
    m_other.emplace(key(codepoint, glyph), fresh);
    return fresh;
}

uint16_t CodeMap::assign(char32_t codepoint, uint16_t glyph)
{
    if (m_entries.size() >= kMaxCodes)
        return 0;
    m_entries.push_back({glyph, codepoint});
    return static_cast<uint16_t>(m_entries.size() - 1);
}

double CodeMap::width(uint16_t code) const
{
    return m_face.widthOf(m_entries[code].glyph);
}

} // namespace tervolanpdf
