#pragma once

#include <cstdint>
#include <string>

// The program-wide settings record. Texts are UTF-8 in memory; config.ini
// holds them in GB18030. Field names are the program's public names.
struct Settings {
    std::string OutputFolder;
    std::string Keywords;
    std::string Author;
    std::string PageSize;
    std::string FontName;
    int16_t FontSize = 0;
    int16_t CharsPerLine = 0;
    // Never saved: set to "中文" at every start.
    std::string Language;
    // Never saved: off in the window, set by tervolan-convert's --pdfa and
    // --tagged.
    bool PdfA = false;
    bool Tagged = false;
};

// The one record the window and its dialogs share.
Settings &programSettings();
