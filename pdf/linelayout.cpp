#include "linelayout.h"

#include "codemap.h"
#include "utf8text.h"

#include <hb.h>

#include <cmath>

namespace tervolanpdf {

namespace {

constexpr int kBlanksPerTab = 8;

bool isControl(char32_t codepoint)
{
    return codepoint < 0x20 || codepoint == 0x7F;
}

// The script of the first character of a definite script; HarfBuzz shapes
// a whole line in that script, and punctuation follows it.
FontFace::LineScript lineScript(const std::vector<char32_t> &codepoints)
{
    hb_unicode_funcs_t *unicode = hb_unicode_funcs_get_default();
    for (const char32_t codepoint : codepoints) {
        if (codepoint < 0x41)
            continue;
        const hb_script_t script = hb_unicode_script(unicode, codepoint);
        if (script != HB_SCRIPT_COMMON && script != HB_SCRIPT_INHERITED
            && script != HB_SCRIPT_UNKNOWN)
            return script == HB_SCRIPT_HAN ? FontFace::LineScript::Han
                                           : FontFace::LineScript::Other;
    }
    return FontFace::LineScript::None;
}

} // namespace

void LineLayout::layOut(std::string_view text, CodeMap &codes)
{
    Utf8Text::decode(text, m_codepoints);
    m_glyphs.clear();
    m_glyphs.reserve(m_codepoints.size());
    const FontFace::LineScript script = lineScript(m_codepoints);
    const uint16_t space = codes.code(U' ', script);
    const double spaceWidth = codes.width(space);
    const double tabStop = kBlanksPerTab * spaceWidth;
    double pen = 0; // thousandths of an em from the start of the line
    for (const char32_t original : m_codepoints) {
        // Control characters have no glyph in most fonts and would show as
        // boxes. They become blanks in the text too, not only in the
        // glyphs: a reader given a tab to extract breaks the line there.
        const uint16_t code = isControl(original) ? space : codes.code(original, script);
        double advance = codes.width(code);
        float extra = 0;
        if (original == U'\t' && tabStop > 0) {
            const double reach = (std::floor(pen / tabStop) + 1) * tabStop - pen;
            extra = static_cast<float>(reach - advance);
            advance = reach;
        }
        pen += advance;
        m_glyphs.push_back({code, extra});
    }
}

} // namespace tervolanpdf
