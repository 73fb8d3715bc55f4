#pragma once

#include "app/skipreason.h"

#include <optional>
#include <string>
#include <string_view>

// Where the conversion job puts its lines on a page, and whether they stay
// on it. Lines start at x = LeftMargin; the line in slot k (the first of a
// page is slot 2) has its top at y = 5 x k x font size; the page breaks
// after a line when the next one would come within BottomReserve of the
// bottom edge. A line's width is measured in tenths of an em: a full-width
// (Chinese) character is 10, any other 6, a little more than a Latin
// letter's average, so English text at its 60 a line does not warn.
class PageFit {
public:
    static constexpr int LeftMargin = 100;
    static constexpr int BottomReserve = 200;
    // The font sizes the conversion accepts, in points: the command line's
    // range, and the limit for a size read from config.ini.
    static constexpr int MaxFontSize = 500;

    // pageHeight as the writer reports it (property 34), in 0.1 mm.
    explicit PageFit(int pageHeight);

    static int lineTop(int slot, int fontSize) { return slot * 50 * fontSize / 10; }
    // Whether the page breaks after the line in slot.
    bool breaksAfter(int slot, int fontSize) const;

    // Why no document can be made at fontSize (out of range, or a first
    // line whose glyphs begin below the bottom edge), or nothing when one
    // can.
    std::optional<SkipReason> refusal(int fontSize) const;
    // The width of text in tenths of an em.
    static long long widthOf(std::u32string_view text);
    // The widest a text of that many characters but no tab can be.
    static long long widestOf(size_t characterCount);
    // Whether lineCount lines at most longestWidth wide stay on the page at
    // fontSize.
    bool fits(int fontSize, long long longestWidth, long long lineCount) const;
    // The largest size at which they do, or 0 when none does.
    int largestFittingSize(long long longestWidth, long long lineCount) const;
    // What to tell when they do not fit at fontSize, or nothing when they
    // do.
    std::optional<SkipReason> overflow(int fontSize, long long longestWidth,
                                       long long lineCount) const;

private:
    bool firstLineShows(int fontSize) const;
    int lastSlot(int fontSize) const;
    std::string pageName() const;

    int m_width;
    int m_height;
};
