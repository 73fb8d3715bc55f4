#include "buttontestsupport.h"
#include "controls/button/buttoninput.h"
#include "controls/button/buttonlayout.h"

#include <gtest/gtest.h>

namespace {

TEST(AnsiCaption, KeepsAsManyBytesAsTheCaptionHasCharacters)
{
    EXPECT_EQ(ButtonLayout::ansiCaption(QStringLiteral("确定  ")), QStringLiteral("确定"));
    EXPECT_EQ(ButtonLayout::ansiCaption(QStringLiteral("确定")), QStringLiteral("确"));
    EXPECT_EQ(ButtonLayout::ansiCaption(QStringLiteral("添加文件    ")),
              QStringLiteral("添加文件"));
    EXPECT_EQ(ButtonLayout::ansiCaption(QStringLiteral("&OK")), QStringLiteral("&OK"));
    // A cut through a double-byte character drops it rather than showing junk.
    EXPECT_EQ(ButtonLayout::ansiCaption(QStringLiteral("A确")), QStringLiteral("A"));
    EXPECT_EQ(ButtonLayout::ansiCaption(QString()), QString());
}

TEST(ContentRect, InsetDependsOnTheLook)
{
    EXPECT_EQ(ButtonLayout::ContentRect(2, 100, 30), (Gdi::Rect{4, 4, 96, 26}));
    EXPECT_EQ(ButtonLayout::ContentRect(7, 100, 30), (Gdi::Rect{3, 3, 97, 27}));
    EXPECT_EQ(ButtonLayout::ContentRect(13, 100, 30), (Gdi::Rect{3, 3, 97, 27}));
    EXPECT_EQ(ButtonLayout::ContentRect(14, 100, 30), (Gdi::Rect{6, 6, 96, 26}));
    EXPECT_EQ(ButtonLayout::ContentRect(99, 100, 30), (Gdi::Rect{4, 4, 96, 26}));
}

struct RegionCase {
    int type;
    QList<QPoint> removed;
};

class BuildRegion : public ::testing::TestWithParam<RegionCase> {};

TEST_P(BuildRegion, RemovesExactlyTheCornerPixels)
{
    constexpr int W = 20;
    constexpr int H = 10;
    const RegionCase &c = GetParam();
    const QRegion region = ButtonLayout::BuildRegion(c.type, W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            EXPECT_EQ(region.contains(QPoint(x, y)), !c.removed.contains(QPoint(x, y)))
                << "type " << c.type << " pixel " << x << "," << y;
    EXPECT_FALSE(region.contains(QPoint(W, 0)));
}

// Three pixels cut from each corner of a 20x10 button.
const QList<QPoint> CutCorners = {{0, 0},  {1, 0},  {0, 1},  {0, 9},  {1, 9},  {0, 8},
                                  {18, 0}, {19, 0}, {19, 1}, {18, 9}, {19, 9}, {19, 8}};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Looks, BuildRegion,
                         ::testing::Values(RegionCase{1, {{0, 9}, {19, 0}, {0, 0}, {19, 9}}},
                                           RegionCase{14, {{0, 9}, {19, 0}, {0, 0}, {19, 9}}},
                                           RegionCase{5, {{0, 9}, {19, 0}}},
                                           RegionCase{3, CutCorners},
                                           RegionCase{4, CutCorners},
                                           RegionCase{2, {}}, RegionCase{11, {}},
                                           RegionCase{42, {}}));
// clang-format on

TEST(BuildRegionRound, IsTheInscribedEllipse)
{
    const QRegion region = ButtonLayout::BuildRegion(13, 40, 20);
    EXPECT_TRUE(region.contains(QPoint(20, 10)));
    EXPECT_TRUE(region.contains(QPoint(0, 10)));
    EXPECT_TRUE(region.contains(QPoint(20, 0)));
    EXPECT_FALSE(region.contains(QPoint(0, 0)));
    EXPECT_FALSE(region.contains(QPoint(39, 19)));
    EXPECT_FALSE(region.contains(QPoint(3, 2)));
}

TEST(LayoutCaption, PictureLeftOfATwoLetterCaption)
{
    ButtonCase s = makeButton(2, 100, 30);
    s.properties.caption = QStringLiteral("OK");
    s.properties.pictureNormal = bitmap(32, 32, QList<Gdi::ColorRef>(32 * 32, 0x0000FF));
    ButtonLayout::MeasurePicture(s.properties, s.geometry);
    ButtonLayout::LayoutCaption(s.properties, s.geometry);
    const ButtonGeometry &g = s.geometry;
    ASSERT_EQ(g.PictureWidth, 32);
    ASSERT_EQ(g.PictureHeight, 32);
    EXPECT_EQ(g.LayoutRect, (Gdi::Rect{33, 1, 98, 28}));
    const Gdi::Rect text = Gdi::Surface::measureText(QStringLiteral("OK"), g.LayoutRect,
                                                     s.properties.font, ButtonLayout::CaptionFlags);
    // Centred in what is left of the picture, by halving (W - right).
    EXPECT_EQ(g.CaptionRect.left, 33 + (100 - text.right) / 2);
    EXPECT_EQ(g.CaptionRect.top, 1 + (30 - text.bottom) / 2);
    EXPECT_EQ(g.CaptionWidth, text.width());
    EXPECT_EQ(g.PressedCaptionRect, g.CaptionRect.translated(1, 1));
    EXPECT_EQ(g.PictureX, g.CaptionRect.left - 36);
    EXPECT_EQ(g.PictureY, -1);
}

TEST(LayoutCaption, EachPositionLeavesRoomOnItsSide)
{
    ButtonCase s = makeButton(2, 120, 80);
    s.properties.caption = QStringLiteral("Go");
    s.properties.pictureNormal = bitmap(16, 20, QList<Gdi::ColorRef>(16 * 20, 0));
    ButtonLayout::MeasurePicture(s.properties, s.geometry);
    const ButtonGeometry &g = s.geometry;

    s.properties.picturePosition = 1;
    ButtonLayout::LayoutCaption(s.properties, s.geometry);
    EXPECT_EQ(g.LayoutRect, (Gdi::Rect{1, 1, 102, 78}));
    EXPECT_EQ(g.PictureX, g.CaptionRect.right + 4);
    EXPECT_EQ(g.PictureY, 30);

    s.properties.picturePosition = 2;
    ButtonLayout::LayoutCaption(s.properties, s.geometry);
    EXPECT_EQ(g.LayoutRect, (Gdi::Rect{1, 21, 118, 78}));
    EXPECT_EQ(g.PictureX, 52);
    EXPECT_EQ(g.PictureY, g.CaptionRect.top - 22);

    s.properties.picturePosition = 3;
    ButtonLayout::LayoutCaption(s.properties, s.geometry);
    EXPECT_EQ(g.LayoutRect, (Gdi::Rect{1, 1, 118, 58}));
    EXPECT_EQ(g.PictureY, g.CaptionRect.bottom + 2);
    // Centred with the picture's height and 4 pixels held back.
    const int measuredBottom = 1 + g.CaptionHeight;
    EXPECT_EQ(g.CaptionRect.top, 1 + (80 - measuredBottom - 20 - 4) / 2);

    s.properties.picturePosition = 4;
    ButtonLayout::LayoutCaption(s.properties, s.geometry);
    EXPECT_EQ(g.PictureX, 52);
    EXPECT_EQ(g.PictureY, 30);
}

TEST(LayoutCaption, BlankCaptionCentresThePicture)
{
    ButtonCase s = makeButton(2, 100, 30);
    s.properties.caption = QStringLiteral("   ");
    s.properties.picturePosition = 0;
    s.properties.pictureNormal = bitmap(10, 10, QList<Gdi::ColorRef>(100, 0));
    ButtonLayout::MeasurePicture(s.properties, s.geometry);
    ButtonLayout::LayoutCaption(s.properties, s.geometry);
    EXPECT_EQ(s.geometry.PictureX, 45);
    EXPECT_EQ(s.geometry.PictureY, 10);
}

TEST(LayoutCaption, OutOfRangePositionDoesNotCreep)
{
    ButtonCase s = makeButton(2, 100, 30);
    s.properties.caption = QStringLiteral("OK");
    s.properties.picturePosition = 9;
    ButtonLayout::LayoutCaption(s.properties, s.geometry);
    const Gdi::Rect first = s.geometry.CaptionRect;
    ButtonLayout::LayoutCaption(s.properties, s.geometry);
    ButtonLayout::LayoutCaption(s.properties, s.geometry);
    EXPECT_EQ(s.geometry.CaptionRect, first);
}

TEST(LayoutCaption, LongCaptionWrapsAndCentresAsABlock)
{
    ButtonCase s = makeButton(2, 60, 60);
    s.properties.caption = QStringLiteral("one two three four");
    ButtonLayout::LayoutCaption(s.properties, s.geometry);
    const ButtonGeometry &g = s.geometry;
    const int lineHeight
        = Gdi::Surface::measureText(QStringLiteral("one"), g.LayoutRect, s.properties.font, 0)
              .height();
    EXPECT_GT(g.CaptionHeight, lineHeight);
    EXPECT_LE(g.CaptionWidth, 57);
    EXPECT_EQ(g.CaptionRect.left, 1 + (60 - (1 + g.CaptionWidth)) / 2);
}

TEST(MeasurePicture, NoPictureMeansNoSize)
{
    ButtonCase s = makeButton(2, 100, 30);
    s.properties.pictureNormal = bitmap(7, 5, QList<Gdi::ColorRef>(35, 0));
    ButtonLayout::MeasurePicture(s.properties, s.geometry);
    EXPECT_EQ(s.geometry.PictureWidth, 7);
    EXPECT_EQ(s.geometry.PictureHeight, 5);
    // PictureOver alone is never measured.
    s.properties.pictureOver = s.properties.pictureNormal;
    s.properties.pictureNormal = ButtonPicture();
    ButtonLayout::MeasurePicture(s.properties, s.geometry);
    EXPECT_EQ(s.geometry.PictureWidth, 0);
    EXPECT_EQ(s.geometry.PictureHeight, 0);
}

TEST(AccessKey, ParsesAmpersands)
{
    using ButtonInput::accessKey;
    EXPECT_EQ(accessKey(QStringLiteral("&Open")), QStringLiteral("o"));
    EXPECT_EQ(accessKey(QStringLiteral("Save &As")), QStringLiteral("a"));
    EXPECT_EQ(accessKey(QStringLiteral("Fish && &Chips")), QStringLiteral("c"));
    EXPECT_EQ(accessKey(QStringLiteral("Fish && Chips")), QString());
    EXPECT_EQ(accessKey(QStringLiteral("A && B && C")), QString());
    EXPECT_EQ(accessKey(QStringLiteral("Go&")), QString());
    EXPECT_EQ(accessKey(QStringLiteral("&")), QString());
    EXPECT_EQ(accessKey(QStringLiteral("X")), QString());
    EXPECT_EQ(accessKey(QStringLiteral("打开(&O)")), QStringLiteral("o"));
}

} // namespace
