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
