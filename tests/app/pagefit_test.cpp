#include "app/pagefit.h"

#include <gtest/gtest.h>

// The glyphs of a line begin 0.31 em below its top: from 268 points on an
// A4 page the first line's top was on the page and its glyphs below it,
// and every page came out blank.
TEST(PageFit, SizesWhoseFirstLineShowsNoGlyphAreRefused)
{
    const struct Row {
        int pageHeight;
        int fontSize;
        int limit; // 0 when the size is taken
    } rows[] = {
        {2970, 267, 0}, {2970, 268, 267}, {2970, 296, 267}, {2970, 297, 267},
        {2100, 189, 0}, {2100, 190, 189}, {4200, 378, 0},   {4200, 379, 378},
    };
    for (const Row &row : rows) {
        const std::optional<SkipReason> refusal = PageFit(row.pageHeight).refusal(row.fontSize);
        SCOPED_TRACE(std::to_string(row.pageHeight) + " " + std::to_string(row.fontSize));
        ASSERT_EQ(refusal.has_value(), row.limit != 0);
        if (refusal) {
            EXPECT_EQ(refusal->kind, SkipReason::Kind::FirstLineBelowPage);
            EXPECT_EQ(refusal->limit, row.limit);
        }
    }
}

// Each rule decides its exact edge one way: a line whose top is on the
// reserve's edge goes to the next page, a line as wide as the room or a
// last line ending at the foot still fits. Heights 322 and 487 are where
// those edges fall on whole numbers.
TEST(PageFit, EdgesAreDecidedExactly)
{
    EXPECT_TRUE(PageFit(2970).breaksAfter(276, 2)) << "the next line's top is at 2770";
    EXPECT_FALSE(PageFit(2970).breaksAfter(275, 2));
    // 127 units of room hold 36 ems at 1 point.
    EXPECT_TRUE(PageFit(322).fits(1, 360, 1));
    EXPECT_FALSE(PageFit(322).fits(1, 361, 1));
    // A page of one line at 36 points ends 487 units down; at 37 it is past
    // the foot.
    EXPECT_TRUE(PageFit(487).fits(36, 10, 1));
    EXPECT_FALSE(PageFit(487).fits(37, 10, 1));
    const std::optional<SkipReason> onlyAtOne = PageFit(322).overflow(2, 200, 1);
    ASSERT_TRUE(onlyAtOne);
    EXPECT_EQ(onlyAtOne->limit, 1);
    EXPECT_FALSE(PageFit(10000).refusal(PageFit::MaxFontSize));
    const std::optional<SkipReason> tooLarge = PageFit(10000).refusal(PageFit::MaxFontSize + 1);
    ASSERT_TRUE(tooLarge);
    EXPECT_EQ(tooLarge->kind, SkipReason::Kind::FontSizeOutOfRange);
}

// A tab reaches the next stop of eight columns; Hangul is as wide as hanzi.
TEST(PageFit, TabsReachTheirStopAndHangulIsWide)
{
    EXPECT_EQ(PageFit::widthOf(U"ab\tc"), 6 * 8 + 6);
    EXPECT_EQ(PageFit::widthOf(U"\t\t"), 6 * 16);
    EXPECT_EQ(PageFit::widthOf(U"한글"), 20);
}
