#include "pdf/fonts/facelanguage.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace tervolanpdf::FaceLanguage {

namespace {

std::string lowerFamily(std::string_view name)
{
    std::string family(name.substr(0, name.find('-')));
    std::transform(family.begin(), family.end(), family.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return family;
}

// What follows the family's own name: "tc" of notoserifcjktc, "k" of
// sourcehansansk.
std::string_view regionOf(std::string_view family)
{
    for (std::string_view stem : {"cjk", "sourcehansans", "sourcehanserif"}) {
        if (const size_t at = family.rfind(stem); at != std::string_view::npos)
            return family.substr(at + stem.size());
    }
    return {};
}

} // namespace

std::string ofPostScriptName(std::string_view name)
{
    static const std::pair<std::string_view, const char *> regions[] = {
        {"tc", "zh-Hant"}, {"tw", "zh-Hant"}, {"hk", "zh-HK"}, {"hc", "zh-HK"},
        {"jp", "ja"},      {"j", "ja"},       {"kr", "ko"},    {"k", "ko"},
    };
    const std::string family = lowerFamily(name);
    const std::string_view region = regionOf(family);
    for (const auto &[suffix, language] : regions) {
        if (region == suffix)
            return language;
    }
    return "zh-Hans";
}

std::string documentLanguage(const std::string &given, const std::string &language)
{
    if (given != "zh" && given != "zh-CN")
        return given;
    if (language == "zh-Hant")
        return "zh-TW";
    if (language == "zh-HK")
        return "zh-HK";
    return given;
}

} // namespace tervolanpdf::FaceLanguage
