#include "app/settingsfallbacks.h"

#include "app/pageformat.h"
#include "pdf/tervolanpdf.h"

std::vector<std::string> SettingsFallbacks::describe(const Settings &settings)
{
    std::vector<std::string> fallbacks;
    for (std::string fallback : {pageSize(settings.PageSize), font(settings.FontName)}) {
        if (!fallback.empty())
            fallbacks.push_back(std::move(fallback));
    }
    return fallbacks;
}

// The writer says which page it would make through the page height; a box
// of its own keeps the job's boxes untouched.
std::string SettingsFallbacks::pageSize(const std::string &name)
{
    if (name.empty())
        return "";
    static const int box = CreateBox(/*window*/ 0, /*reserved*/ 0);
    if (SetStrProp(box, PDF_PAGE_SIZE, name.c_str()) == -1)
        return "";
    const int height = GetNumProp(box, PDF_PAGE_HEIGHT);
    const std::string used = PageFormat::nameForHeight(height);
    if (height == -1 || used == name)
        return "";
    return "page size \"" + name + "\" is not known; using " + used;
}

// The writer says which family stands in for the font, asked on a box of
// its own as the page size is.
std::string SettingsFallbacks::font(const std::string &name)
{
    static const int box = CreateBox(/*window*/ 0, /*reserved*/ 0);
    std::string substitute = "no font at all";
    char family[256];
    if (SetStrProp(box, PDF_FONT_NAME, name.c_str()) == 0
        && GetStrProp(box, PDF_FONT_STAND_IN, family, sizeof family) >= 0)
        substitute = family;
    if (substitute.empty())
        return "";
    return "font \"" + name + "\" is not known; using " + substitute;
}
