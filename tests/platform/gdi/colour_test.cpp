#include "platform/gdi/gdicolor.h"

#include <gtest/gtest.h>

struct TranslateRow {
    Gdi::ColorRef input;
    std::int32_t expected;
};

class TranslateColour : public ::testing::TestWithParam<TranslateRow> {};

TEST_P(TranslateColour, MatchesTheSystemTable)
{
    EXPECT_EQ(Gdi::translateColor(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TranslateColour,
    ::testing::Values(TranslateRow{0x00123456, 0x123456},
                      TranslateRow{0x80000008, 0x000000},                // window text
                      TranslateRow{0x8000000F, Gdi::rgb(236, 233, 216)}, // button face
                      TranslateRow{0x80000010, Gdi::rgb(172, 168, 153)}, // button shadow
                      TranslateRow{0x80000014, Gdi::rgb(255, 255, 255)}, // highlight
                      TranslateRow{0x80000015, Gdi::rgb(113, 111, 100)}, // 3D dark shadow
                      TranslateRow{0x80000016, Gdi::rgb(241, 239, 226)}, // 3D light
                      TranslateRow{0x8000000D, Gdi::rgb(49, 106, 197)},  // selection
                      TranslateRow{0x80000019, -1},                      // unassigned index
                      TranslateRow{0x8000001F, -1},                      // past the table
                      TranslateRow{0x80010008, -1},                      // junk in the index
                      TranslateRow{0x01000005, -1},                      // palette index
                      TranslateRow{0xFFFFFFFF, -1}));

TEST(ColourChannels, RedIsTheLowByte)
{
    const Gdi::ColorRef c = Gdi::rgb(1, 2, 3);
    EXPECT_EQ(c, 0x030201u);
    EXPECT_EQ(Gdi::fromQRgb(Gdi::toQRgb(c)), c);
}
