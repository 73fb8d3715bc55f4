#include "pdf/fonts/fontconfigstart.h"

#include <fontconfig/fontconfig.h>

namespace tervolanpdf {

namespace {

bool namesCacheFolders(FcConfig *config)
{
    FcStrList *folders = FcConfigGetCacheDirs(config);
    const bool any = folders && FcStrListNext(folders);
    FcStrListDone(folders);
    return any;
}

bool hasFonts(FcConfig *config)
{
    const FcFontSet *fonts = FcConfigGetFonts(config, FcSetSystem);
    return fonts && fonts->nfont > 0;
}

} // namespace

void FontConfigStart::loadConfiguration()
{
    FcConfig *config = FcConfigCreate();
    if (!config)
        return;
    // A null name loads what FcInit would: FONTCONFIG_FILE, else fonts.conf
    // with every file it includes. Without complaints: should it be missing
    // or name no cache folder, FcInit says so and falls back later.
    if (FcConfigParseAndLoad(config, nullptr, FcFalse) && namesCacheFolders(config)
        && FcConfigBuildFonts(config) && hasFonts(config))
        FcConfigSetCurrent(config);
    // The current configuration holds a reference of its own.
    FcConfigDestroy(config);
}

} // namespace tervolanpdf
