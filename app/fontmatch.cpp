#include "app/fontmatch.h"

#include <fontconfig/fontconfig.h>

#include <array>

namespace {

// The writer maps the Windows names of the Chinese faces (and "") to the
// Noto CJK faces of the same style itself; fontconfig alone would send them
// to a Latin face.
struct WriterAlias {
    const char *name;
    const char *family;
};

constexpr std::array WriterAliases{
    WriterAlias{"", "Noto Serif CJK SC"},       WriterAlias{"宋体", "Noto Serif CJK SC"},
    WriterAlias{"SimSun", "Noto Serif CJK SC"}, WriterAlias{"黑体", "Noto Sans CJK SC"},
    WriterAlias{"SimHei", "Noto Sans CJK SC"},
};

std::string familyAskedFor(const std::string &name)
{
    for (const WriterAlias &alias : WriterAliases) {
        if (name == alias.name)
            return alias.family;
    }
    return name;
}

const FcChar8 *fcText(const std::string &text)
{
    return reinterpret_cast<const FcChar8 *>(text.c_str());
}

// The writer's query: the family, and simplified Chinese for a name that
// fontconfig does not know.
FcPattern *matchFor(const std::string &family)
{
    FcPattern *pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, fcText(family));
    FcPatternAddString(pattern, FC_LANG, fcText("zh-cn"));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern *match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    return match;
}

// A face has a family name per language; any of them names it.
bool hasFamily(FcPattern *match, const std::string &family)
{
    FcChar8 *candidate = nullptr;
    for (int index = 0; FcPatternGetString(match, FC_FAMILY, index, &candidate) == FcResultMatch;
         ++index) {
        if (FcStrCmpIgnoreCase(candidate, fcText(family)) == 0)
            return true;
    }
    return false;
}

} // namespace

std::string FontMatch::substituteFor(const std::string &name)
{
    FcInit();
    const std::string family = familyAskedFor(name);
    FcPattern *match = matchFor(family);
    if (!match)
        return "no font at all";
    std::string substitute;
    FcChar8 *used = nullptr;
    if (!hasFamily(match, family)
        && FcPatternGetString(match, FC_FAMILY, 0, &used) == FcResultMatch)
        substitute = reinterpret_cast<const char *>(used);
    FcPatternDestroy(match);
    return substitute;
}
