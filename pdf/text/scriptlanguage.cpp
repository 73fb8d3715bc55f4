#include "pdf/text/scriptlanguage.h"

#include <hb.h>

#include <algorithm>
#include <array>

namespace tervolanpdf {

namespace {

struct ScriptTag {
    hb_script_t script;
    const char *language;
};

// Scripts written by one language, or by one above all others in China and
// its neighbours.
constexpr std::array kTags{
    ScriptTag{HB_SCRIPT_TIBETAN, "bo"},   ScriptTag{HB_SCRIPT_HANGUL, "ko"},
    ScriptTag{HB_SCRIPT_HIRAGANA, "ja"},  ScriptTag{HB_SCRIPT_KATAKANA, "ja"},
    ScriptTag{HB_SCRIPT_MONGOLIAN, "mn"}, ScriptTag{HB_SCRIPT_YI, "ii"},
    ScriptTag{HB_SCRIPT_THAI, "th"},      ScriptTag{HB_SCRIPT_LAO, "lo"},
    ScriptTag{HB_SCRIPT_KHMER, "km"},     ScriptTag{HB_SCRIPT_MYANMAR, "my"},
    ScriptTag{HB_SCRIPT_GREEK, "el"},     ScriptTag{HB_SCRIPT_HEBREW, "he"},
    ScriptTag{HB_SCRIPT_GEORGIAN, "ka"},  ScriptTag{HB_SCRIPT_ARMENIAN, "hy"},
    ScriptTag{HB_SCRIPT_ETHIOPIC, "am"},
};

// Letters Uyghur writes and Arabic does not: ڭ ۆ ۈ ۋ ې.
bool isUyghur(std::span<const char32_t> codepoints)
{
    return std::any_of(codepoints.begin(), codepoints.end(), [](char32_t codepoint) {
        return codepoint == 0x06AD || codepoint == 0x06C6 || codepoint == 0x06C8
            || codepoint == 0x06CB || codepoint == 0x06D0;
    });
}

} // namespace

const char *ScriptLanguage::of(std::span<const char32_t> codepoints)
{
    hb_unicode_funcs_t *unicode = hb_unicode_funcs_get_default();
    for (const char32_t codepoint : codepoints) {
        const hb_script_t script = hb_unicode_script(unicode, codepoint);
        if (script == HB_SCRIPT_COMMON || script == HB_SCRIPT_INHERITED
            || script == HB_SCRIPT_UNKNOWN)
            continue;
        if (script == HB_SCRIPT_ARABIC)
            return isUyghur(codepoints) ? "ug" : "ar";
        for (const ScriptTag &tag : kTags) {
            if (tag.script == script)
                return tag.language;
        }
        return "";
    }
    return "";
}

} // namespace tervolanpdf
