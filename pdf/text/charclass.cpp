#include "pdf/text/charclass.h"

#include <hb.h>

#include <atomic>
#include <cstdint>

namespace tervolanpdf {

namespace {

bool scriptShapesAlone(hb_script_t script)
{
    switch (script) {
    case HB_SCRIPT_COMMON:
    case HB_SCRIPT_INHERITED:
    case HB_SCRIPT_UNKNOWN:
    case HB_SCRIPT_HAN:
    case HB_SCRIPT_LATIN:
    case HB_SCRIPT_GREEK:
    case HB_SCRIPT_CYRILLIC:
    case HB_SCRIPT_HIRAGANA:
    case HB_SCRIPT_KATAKANA:
    case HB_SCRIPT_BOPOMOFO:
    case HB_SCRIPT_HANGUL: return true;
    default: return false;
    }
}

bool isJamo(char32_t codepoint)
{
    return (codepoint >= 0x1100 && codepoint <= 0x11FF)
        || (codepoint >= 0xA960 && codepoint <= 0xA97F)
        || (codepoint >= 0xD7B0 && codepoint <= 0xD7FF);
}

bool classify(char32_t codepoint)
{
    return codepoint == 0x2014 || CharClass::isIgnorable(codepoint) || CharClass::isMark(codepoint)
        || isJamo(codepoint)
        || !scriptShapesAlone(hb_unicode_script(hb_unicode_funcs_get_default(), codepoint));
}

// The Basic Multilingual Plane is classified in blocks of 64 characters,
// each when a character of it is first asked about: the test runs for
// every character of every line, and a Chinese text touches a handful of
// blocks. Two threads may classify a block at once, to the same bits.
class BmpTable {
public:
    bool has(char32_t c)
    {
        const size_t block = c >> 6;
        uint64_t bits = m_bits[block].load(std::memory_order_relaxed);
        if (!m_ready[block].load(std::memory_order_acquire)) {
            bits = 0;
            for (char32_t bit = 0; bit < 64; ++bit) {
                if (classify((c & ~char32_t{63}) | bit))
                    bits |= uint64_t{1} << bit;
            }
            m_bits[block].store(bits, std::memory_order_relaxed);
            m_ready[block].store(true, std::memory_order_release);
        }
        return (bits >> (c & 63)) & 1;
    }

private:
    std::atomic<uint64_t> m_bits[0x10000 / 64] = {};
    std::atomic<bool> m_ready[0x10000 / 64] = {};
};

} // namespace

bool CharClass::isIgnorable(char32_t c)
{
    return c == 0xAD || (c >= 0x200B && c <= 0x200D) || c == 0x2060 || c == 0xFEFF
        || (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF);
}

bool CharClass::isMark(char32_t codepoint)
{
    switch (hb_unicode_general_category(hb_unicode_funcs_get_default(), codepoint)) {
    case HB_UNICODE_GENERAL_CATEGORY_NON_SPACING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_SPACING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_ENCLOSING_MARK: return true;
    default: return false;
    }
}

bool CharClass::isNeutral(char32_t codepoint)
{
    return hb_unicode_script(hb_unicode_funcs_get_default(), codepoint) == HB_SCRIPT_COMMON;
}

bool CharClass::isRightToLeft(char32_t codepoint)
{
    const hb_script_t script = hb_unicode_script(hb_unicode_funcs_get_default(), codepoint);
    return hb_script_get_horizontal_direction(script) == HB_DIRECTION_RTL;
}

bool CharClass::needsShapingElsewhere(char32_t codepoint)
{
    if (codepoint < 0x10000) {
        static BmpTable table;
        return table.has(codepoint);
    }
    return classify(codepoint);
}

} // namespace tervolanpdf
