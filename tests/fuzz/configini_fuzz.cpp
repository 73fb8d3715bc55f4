// Fuzzes config.ini loading. Beyond not crashing, whatever a file gives is
// saved and read back: a record whose texts hold no double quote or line
// break must come back exactly as it was written.

#include "settings/settingsstore.h"
#include "tests/support/memoryfile.h"

#include <cstdlib>

namespace {

bool survivesSaving(const std::string &text)
{
    return text.find_first_of("\"\r\n") == std::string::npos;
}

bool sameFields(const Settings &a, const Settings &b)
{
    return a.OutputFolder == b.OutputFolder && a.Keywords == b.Keywords && a.Author == b.Author
        && a.PageSize == b.PageSize && a.FontName == b.FontName && a.FontSize == b.FontSize
        && a.CharsPerLine == b.CharsPerLine;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Settings loaded;
    {
        MemoryFile file(data, size);
        if (!readConfigFile(loaded, file.path()))
            std::abort();
    }
    for (const std::string *text : {&loaded.OutputFolder, &loaded.Keywords, &loaded.Author,
                                    &loaded.PageSize, &loaded.FontName}) {
        if (!survivesSaving(*text))
            return 0;
    }
    std::string saved = formatConfig(loaded);
    MemoryFile file(reinterpret_cast<const uint8_t *>(saved.data()), saved.size());
    Settings reread;
    if (!readConfigFile(reread, file.path()) || !sameFields(loaded, reread))
        std::abort();
    return 0;
}
