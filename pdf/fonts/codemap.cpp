#include "pdf/fonts/codemap.h"

namespace tervolanpdf {

namespace {

// Codes are CIDs, and a CFF subset holds .notdef and a glyph for each
// code: at most 65535 glyphs in all.
constexpr size_t kMaxCodes = 0xFFFF;
constexpr char32_t kNotSingle = 0xFFFFFFFF;

} // namespace

CodeMap::CodeMap(unsigned glyphCount)
    : m_entries{{0, U"\uFFFD"}}
    , m_byGlyph(glyphCount + 1, 0)
    , m_single{kNotSingle}
{
}

std::optional<uint16_t> CodeMap::code(uint16_t glyph, std::u32string_view text, bool blank)
{
    if (glyph >= m_byGlyph.size())
        glyph = 0;
    const uint16_t owner = m_byGlyph[glyph];
    if (owner != 0) {
        if (m_entries[owner].text == text && m_entries[owner].blank == blank)
            return owner;
        return std::nullopt;
    }
    const uint16_t fresh = assign(glyph, text, blank);
    if (fresh != 0)
        m_byGlyph[glyph] = fresh;
    return fresh;
}

std::optional<uint16_t> CodeMap::sharedCode(uint16_t glyph, std::u32string_view text, bool blank)
{
    if (glyph >= m_byGlyph.size())
        glyph = 0;
    const uint16_t owner = m_byGlyph[glyph];
    if (owner == 0 || m_entries[owner].text == text)
        return code(glyph, text, blank);
    if (m_entries[owner].blank != blank)
        return std::nullopt;
    auto [slot, fresh] = m_shared.try_emplace({glyph, std::u32string(text)}, 0);
    if (fresh)
        slot->second = assign(glyph, text, blank);
    return slot->second;
}

uint16_t CodeMap::assign(uint16_t glyph, std::u32string_view text, bool blank)
{
    if (m_entries.size() >= kMaxCodes)
        return 0;
    m_entries.push_back({glyph, std::u32string(text), blank});
    m_single.push_back(text.size() == 1 && !blank ? text[0] : kNotSingle);
    return static_cast<uint16_t>(m_entries.size() - 1);
}

} // namespace tervolanpdf
