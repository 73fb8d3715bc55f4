#include "app/pagefit.h"

#include "app/pageformat.h"

#include <algorithm>

namespace {

// One point is 254/72 units of 0.1 mm; widths are compared in units x 720
// (tenths of an em) so that no rounding decides a fit.
constexpr long long UnitsPerPointNumerator = 254;
constexpr long long UnitsPerPointDenominator = 72;
constexpr long long TenthsPerEm = 10;
constexpr long long NarrowTenths = 6;
constexpr long long TabColumns = 8;
// How far below a line's top its glyphs begin, in hundredths of an em: the
// Chinese faces put the baseline an ascent of 1.15 em below the top, and
// their tallest ideographs reach 0.84 em above it. A line whose top alone
// is on the page shows nothing there.
constexpr long long GlyphTopHundredths = 31;
constexpr long long HundredthsPerEm = 100;

long long tenthEmsToScaledUnits(long long tenths, int fontSize)
{
    return tenths * fontSize * UnitsPerPointNumerator;
}

long long unitsToScaledUnits(long long units)
{
    return units * UnitsPerPointDenominator * TenthsPerEm;
}

// East Asian wide and full-width characters: hanzi, kana, hangul, CJK
// punctuation and the full-width forms.
bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF)
        || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF)
        || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
        || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
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

std::optional<SkipReason> PageFit::refusal(int fontSize) const
{
    SkipReason reason;
    reason.fontSize = fontSize;
    if (fontSize < 1 || fontSize > MaxFontSize) {
        reason.kind = SkipReason::Kind::FontSizeOutOfRange;
        reason.limit = MaxFontSize;
        return reason;
    }
    if (firstLineShows(fontSize))
        return std::nullopt;
    reason.kind = SkipReason::Kind::FirstLineBelowPage;
    reason.pageName = pageName();
    reason.limit = fontSize;
    while (reason.limit > 1 && !firstLineShows(reason.limit))
        --reason.limit;
    return reason;
}

// Compared in units x 7200 (hundredths of an em), so that no rounding
// decides it.
bool PageFit::firstLineShows(int fontSize) const
{
    constexpr long long Scale = UnitsPerPointDenominator * HundredthsPerEm;
    const long long glyphTop
        = lineTop(2, fontSize) * Scale + GlyphTopHundredths * fontSize * UnitsPerPointNumerator;
    return glyphTop < m_height * Scale;
}

// The slot of the last line a full page holds.
int PageFit::lastSlot(int fontSize) const
{
    int slot = 2;
    while (!breaksAfter(slot, fontSize))
        ++slot;
    return slot;
}

// A tab reaches the next stop of eight columns, as the writer draws it.
long long PageFit::widthOf(std::u32string_view text)
{
    long long width = 0;
    long long column = 0;
    for (char32_t c : text) {
        const long long blanks = c == U'\t' ? TabColumns - column % TabColumns : 1;
        width += c == U'\t' ? blanks * NarrowTenths : isWide(c) ? TenthsPerEm : NarrowTenths;
        column += blanks;
    }
    return width;
}

long long PageFit::widestOf(size_t characterCount)
{
    return static_cast<long long>(characterCount) * TenthsPerEm;
}

bool PageFit::fits(int fontSize, long long longestWidth, long long lineCount) const
{
    if (longestWidth <= 0 || lineCount <= 0)
        return true;
    if (tenthEmsToScaledUnits(longestWidth, fontSize) > unitsToScaledUnits(m_width - LeftMargin))
        return false;
    // Lines fill slots from 2 on; only a page that fills up reaches the
    // last slot.
    const long long deepestSlot = std::min<long long>(lineCount + 1, lastSlot(fontSize));
    const long long deepestTop = deepestSlot * lineTop(1, fontSize);
    return unitsToScaledUnits(deepestTop) + tenthEmsToScaledUnits(TenthsPerEm, fontSize)
        <= unitsToScaledUnits(m_height);
}

int PageFit::largestFittingSize(long long longestWidth, long long lineCount) const
{
    for (int size = MaxFontSize; size >= 1; --size) {
        if (!refusal(size) && fits(size, longestWidth, lineCount))
            return size;
    }
    return 0;
}

std::optional<SkipReason> PageFit::overflow(int fontSize, long long longestWidth,
                                            long long lineCount) const
{
    if (fits(fontSize, longestWidth, lineCount))
        return std::nullopt;
    SkipReason reason;
    reason.kind = SkipReason::Kind::TextRunsOff;
    reason.fontSize = fontSize;
    reason.pageName = pageName();
    reason.limit = largestFittingSize(longestWidth, lineCount);
    return reason;
}

std::string PageFit::pageName() const
{
    return PageFormat::nameForHeight(m_height);
}
