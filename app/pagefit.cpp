#include "app/pagefit.h"

#include "app/pageformat.h"

#include <algorithm>

namespace {

// One point is 254/72 units of 0.1 mm; widths are compared in units x 72
// so that no rounding decides a fit.
constexpr long long UnitsPerPointNumerator = 254;
constexpr long long UnitsPerPointDenominator = 72;

long long emsToScaledUnits(long long ems, int fontSize)
{
    return ems * fontSize * UnitsPerPointNumerator;
}

long long unitsToScaledUnits(long long units)
{
    return units * UnitsPerPointDenominator;
}

} // namespace

PageFit::PageFit(int pageHeight)
    : m_width(PageFormat::widthForHeight(pageHeight))
    , m_height(pageHeight)
{
}

bool PageFit::breaksAfter(int slot, int fontSize) const
{
    return lineTop(slot + 1, fontSize) >= m_height - BottomReserve;
}

std::string PageFit::refusal(int fontSize) const
{
    if (fontSize < 1 || fontSize > MaxFontSize) {
        return "font size " + std::to_string(fontSize) + " is outside 1-"
            + std::to_string(MaxFontSize);
    }
    if (lineTop(2, fontSize) < m_height)
        return "";
    const int largestPlaced = (m_height - 1) / lineTop(2, 1);
    return "font size " + std::to_string(fontSize) + " puts the first line below the " + pageName()
        + " page (at most " + std::to_string(largestPlaced) + " keeps it on the page)";
}

// The slot of the last line a full page holds.
int PageFit::lastSlot(int fontSize) const
{
    int slot = 2;
    while (!breaksAfter(slot, fontSize))
        ++slot;
    return slot;
}

bool PageFit::fits(int fontSize, int longestLine, long long lineCount) const
{
    if (longestLine <= 0 || lineCount <= 0)
        return true;
    if (emsToScaledUnits(longestLine, fontSize) > unitsToScaledUnits(m_width - LeftMargin))
        return false;
    // Lines fill slots from 2 on; only a page that fills up reaches the
    // last slot.
    const long long deepestSlot = std::min<long long>(lineCount + 1, lastSlot(fontSize));
    const long long deepestTop = deepestSlot * lineTop(1, fontSize);
    return unitsToScaledUnits(deepestTop) + emsToScaledUnits(1, fontSize)
        <= unitsToScaledUnits(m_height);
}

int PageFit::largestFittingSize(int longestLine, long long lineCount) const
{
    for (int size = MaxFontSize; size >= 1; --size) {
        if (refusal(size).empty() && fits(size, longestLine, lineCount))
            return size;
    }
    return 0;
}

std::string PageFit::overflow(int fontSize, int longestLine, long long lineCount) const
{
    if (fits(fontSize, longestLine, lineCount))
        return "";
    const std::string what = "text runs off the " + pageName() + " page at font size "
        + std::to_string(fontSize) + " (lines of up to " + std::to_string(longestLine)
        + " characters)";
    const int largest = largestFittingSize(longestLine, lineCount);
    if (largest == 0)
        return what + "; no font size fits them";
    return what + "; the largest size that fits is " + std::to_string(largest);
}

std::string PageFit::pageName() const
{
    return PageFormat::nameForHeight(m_height);
}
