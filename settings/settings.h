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
    // Never saved: an outline of the chapter headings, on in the window;
    // tervolan-convert's --no-outline turns it off and --outline-pattern
    // (ECMAScript syntax) replaces the built-in forms.
    bool Outline = true;
    std::string OutlinePattern;
    // Never saved: off in the window, which keeps the design's cut after
    // CharsPerLine characters; set by tervolan-convert's
    // --punctuation-rules.
    bool PunctuationRules = false;
    // Never saved: "" in the window, which keeps its pages as designed;
    // tervolan-convert's --page-numbers sets the format of the number at
    // each page's foot ("{n}" the page, "{total}" the count).
    std::string PageNumbers;
};

// The one record the window and its dialogs share.
Settings &programSettings();
