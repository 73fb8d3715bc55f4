#include "cli/linewidthcheck.h"

#include "app/pagefit.h"
#include "app/pageformat.h"

std::optional<std::string> LineWidthCheck::warning(const Settings &settings)
{
    const PageFormat &format = PageFormat::forName(settings.PageSize);
    const PageFit page(format.height);
    const int fontSize = settings.FontSize;
    const int charsPerLine = settings.CharsPerLine;
    if (charsPerLine < 1 || page.refusal(fontSize))
        return std::nullopt;
    // A full line of the language's own characters: hanzi for Chinese,
    // Latin letters for English.
    const bool english = settings.Language == "英文";
    const std::u32string fullLine(size_t(charsPerLine), english ? U'x' : U'汉');
    const long long width = PageFit::widthOf(fullLine);
    if (page.fits(fontSize, width, /*lineCount*/ 1))
        return std::nullopt;
    const int largest = page.largestFittingSize(width, /*lineCount*/ 1);
    std::string text = "warning: lines of " + std::to_string(charsPerLine)
        + " characters at font size " + std::to_string(fontSize)
        + " run past the right edge of the " + format.name + " page";
    if (largest == 0)
        return text + "; no font size fits them";
    return text + "; the largest size that fits is " + std::to_string(largest);
}
