// Regional faces draw many characters in forms of their own, and shaping
// picks the form by language: a Taiwan face asked for simplified Chinese
// draws the mainland forms.
#include "pdf/fonts/facelanguage.h"
#include "pdf/fonts/fontcatalog.h"
#include "pdf/fonts/fontface.h"

#include <gtest/gtest.h>

using namespace tervolanpdf;

namespace {

hb_codepoint_t shapedFor(const FontFace &face, char32_t c, const char *language)
{
    hb_buffer_t *buffer = hb_buffer_create();
    const uint32_t text = c;
    hb_buffer_add_utf32(buffer, &text, 1, 0, 1);
    hb_buffer_set_language(buffer, hb_language_from_string(language, -1));
    hb_buffer_guess_segment_properties(buffer);
    hb_shape(face.hbFont(), buffer, nullptr, 0);
    const hb_codepoint_t glyph = hb_buffer_get_glyph_infos(buffer, nullptr)[0].codepoint;
    hb_buffer_destroy(buffer);
    return glyph;
}

} // namespace

TEST(FaceLanguage, ARegionalFaceDrawsItsOwnFormsAndSongStaysSimplified)
{
    const FontFace &taiwan = FontCatalog::instance().face("Noto Serif CJK TC");
    ASSERT_EQ(taiwan.language(), "zh-Hant");
    EXPECT_NE(shapedFor(taiwan, U'說', "zh-Hant"), shapedFor(taiwan, U'說', "zh-Hans"))
        << "the face has no regional forms to test with";
    for (const char32_t c : {U'說', U'骨', U'令'}) {
        EXPECT_EQ(taiwan.glyphFor(c, FontFace::LineScript::Han), shapedFor(taiwan, c, "zh-Hant"))
            << static_cast<uint32_t>(c);
    }
    EXPECT_EQ(FontCatalog::instance().face("宋体").language(), "zh-Hans");
    EXPECT_EQ(FaceLanguage::documentLanguage("zh-CN", taiwan.language()), "zh-TW");
    EXPECT_EQ(FaceLanguage::documentLanguage("zh", "zh-HK"), "zh-HK");
}

TEST(FaceLanguage, ComesFromTheRegionThePostScriptNameCarries)
{
    const std::pair<const char *, const char *> cases[] = {
        {"NotoSansCJKhk-Bold", "zh-HK"},  {"NotoSansMonoCJKjp-Regular", "ja"},
        {"NotoSerifCJKkr-Regular", "ko"}, {"NotoSerifCJKsc-Regular", "zh-Hans"},
        {"SourceHanSansK-Regular", "ko"}, {"SourceHanSerifTC-Light", "zh-Hant"},
        {"DejaVuSans", "zh-Hans"},        {"HanaMinA", "zh-Hans"},
    };
    for (const auto &[name, language] : cases)
        EXPECT_EQ(FaceLanguage::ofPostScriptName(name), language) << name;
}
