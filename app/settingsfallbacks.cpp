#include "app/settingsfallbacks.h"

#include "app/fontmatch.h"
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

std::string SettingsFallbacks::font(const std::string &name)
{
    const std::string substitute = FontMatch::substituteFor(name);
    if (substitute.empty())
        return "";
    return "font \"" + name + "\" is not known; using " + substitute;
}
