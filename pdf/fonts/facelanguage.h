// The language a face draws its glyph forms for. Faces made for several
// regions (Noto CJK, Source Han) share their characters but differ in how
// they draw them: 說, 骨 and 令 each have a mainland, a Taiwan, a Hong Kong,
// a Japanese and a Korean form, and shaping picks the form by language.
#ifndef TERVOLANPDF_FACELANGUAGE_H
#define TERVOLANPDF_FACELANGUAGE_H

#include <string>
#include <string_view>

namespace tervolanpdf::FaceLanguage {

// The BCP 47 tag ("zh-Hans", "zh-Hant", "zh-HK", "ja", "ko") the region in
// a PostScript name such as NotoSerifCJKtc-Regular or SourceHanSansK-Bold
// stands for. Every other face is drawn for simplified Chinese, as Song and
// Hei faces are: the OS/2 code pages cannot tell, since the regional Noto
// faces all claim the same three.
std::string ofPostScriptName(std::string_view name);

// The document's language when its text is drawn in a face of language:
// Chinese as the program gives it (zh, zh-CN) becomes zh-TW or zh-HK for a
// Taiwan or Hong Kong face; anything else stays as given.
std::string documentLanguage(const std::string &given, const std::string &language);

} // namespace tervolanpdf::FaceLanguage

#endif
