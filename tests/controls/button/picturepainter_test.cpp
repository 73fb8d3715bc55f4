#include "buttontestsupport.h"
#include "controls/button/buttoncolor.h"
#include "controls/button/buttonlayout.h"
#include "controls/button/picturepainter.h"

#include <gtest/gtest.h>

namespace {

using Blit = PicturePainter::Blit;

TEST(Greyscale, WeightsWithTheRedTermRoundedFirst)
{
    EXPECT_EQ(PicturePainter::grey(255, 0, 0), 76);
    EXPECT_EQ(PicturePainter::grey(0, 255, 0), 150);
    EXPECT_EQ(PicturePainter::grey(0, 0, 255), 28);
    EXPECT_EQ(PicturePainter::grey(255, 255, 255), 254);
    EXPECT_EQ(PicturePainter::grey(128, 128, 128), 128);
    EXPECT_EQ(PicturePainter::grey(0, 0, 0), 0);
}

TEST(BlitPicture, FivePixelRowsComposeWithoutShifts)
{
    QList<Gdi::ColorRef> pixels;
    for (int i = 0; i < 15; ++i)
        pixels.append(Gdi::rgb(10 * i, 200 - 10 * i, 7 * i + 1));
    const ButtonPicture picture = bitmap(5, 3, pixels);
    Gdi::Surface surface(9, 5, 0x00FF00);
    Blit how;
    how.useMask = false;
    PicturePainter::BlitPicture(surface, 2, 1, 5, 3, picture, how);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 9; ++x) {
            const bool inside = x >= 2 && x < 7 && y >= 1 && y < 4;
            EXPECT_EQ(surface.pixel(x, y), inside ? pixels[(y - 1) * 5 + x - 2] : 0x00FF00u)
                << x << "," << y;
        }
    }
}

TEST(BlitPicture, MaskColourIsTransparentOnlyWhenAsked)
{
    const ButtonPicture picture = bitmap(2, 1, {0xC0C0C0, 0x0000FF});
    Blit how;
    how.transparent = 0xC0C0C0;
    Gdi::Surface surface(2, 1, 0x00FF00);
    PicturePainter::BlitPicture(surface, 0, 0, 2, 1, picture, how);
    EXPECT_EQ(surface.pixel(0, 0), 0x00FF00u);
    EXPECT_EQ(surface.pixel(1, 0), 0x0000FFu);
    how.useMask = false;
    PicturePainter::BlitPicture(surface, 0, 0, 2, 1, picture, how);
    EXPECT_EQ(surface.pixel(0, 0), 0xC0C0C0u);
}

TEST(BlitPicture, SilhouetteWithThresholdKeepsLightPixelsOut)
{
    const ButtonPicture picture
        = bitmap(4, 1, {Gdi::rgb(128, 128, 128), Gdi::rgb(128, 128, 129), 0x000000, 0xC0C0C0});
    Blit how;
    how.transparent = 0xC0C0C0;
    how.solid = 0x0000AA;
    how.threshold = true;
    Gdi::Surface surface(4, 1, 0x00FF00);
    PicturePainter::BlitPicture(surface, 0, 0, 4, 1, picture, how);
    EXPECT_EQ(surface.pixel(0, 0), 0x0000AAu) << "a channel sum of 384 is dark enough";
    EXPECT_EQ(surface.pixel(1, 0), 0x00FF00u) << "385 is not";
    EXPECT_EQ(surface.pixel(2, 0), 0x0000AAu);
    EXPECT_EQ(surface.pixel(3, 0), 0x00FF00u);
    how.threshold = false;
    PicturePainter::BlitPicture(surface, 0, 0, 4, 1, picture, how);
    EXPECT_EQ(surface.pixel(1, 0), 0x0000AAu);
}

TEST(BlitPicture, BlendAndGreyscale)
{
    const ButtonPicture picture = bitmap(2, 1, {Gdi::rgb(90, 0, 255), Gdi::rgb(255, 0, 0)});
    Blit how;
    how.useMask = false;
    how.blend = true;
    Gdi::Surface surface(2, 1, Gdi::rgb(0, 90, 1));
    PicturePainter::BlitPicture(surface, 0, 0, 2, 1, picture, how);
    EXPECT_EQ(surface.pixel(0, 0), Gdi::rgb(60, 30, 170));
    how.blend = false;
    how.greyscale = true;
    PicturePainter::BlitPicture(surface, 0, 0, 2, 1, picture, how);
    EXPECT_EQ(surface.pixel(1, 0), Gdi::rgb(76, 76, 76));
}

TEST(BlitPicture, IconsComposeOverTheMaskColour)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    image.setPixel(1, 0, qRgba(255, 0, 0, 255));
    const ButtonPicture icon(ButtonPicture::Kind::Icon, image);
    Blit how;
    how.transparent = 0xC0C0C0;
    how.iconBackground = 0xC0C0C0;
    Gdi::Surface surface(2, 1, 0x00FF00);
    PicturePainter::BlitPicture(surface, 0, 0, 2, 1, icon, how);
    EXPECT_EQ(surface.pixel(0, 0), 0x00FF00u);
    EXPECT_EQ(surface.pixel(1, 0), 0x0000FFu);
}

// A 40x20 button of the look with a 2x2 picture centred at (19, 9): one
// red pixel, one dark and one light grey, one mask-coloured.
ButtonCase withPicture(int type)
{
    ButtonCase s = makeButton(type, 40, 20);
    s.properties.pictureNormal = bitmap(
        2, 2, {Gdi::rgb(255, 0, 0), Gdi::rgb(40, 40, 40), Gdi::rgb(240, 240, 240), 0xC0C0C0});
    ButtonLayout::MeasurePicture(s.properties, s.geometry);
    ButtonLayout::LayoutCaption(s.properties, s.geometry);
    return s;
}

TEST(DrawPicture, GreyUntilHovered)
{
    ButtonCase s = withPicture(7);
    ASSERT_EQ(s.geometry.PictureX, 19);
    ASSERT_EQ(s.geometry.PictureY, 9);
    s.properties.useGreyscale = true;
    EXPECT_EQ(paintFrame(s).pixel(19, 9), Gdi::rgb(76, 76, 76));
    EXPECT_EQ(paintFrame(s).pixel(20, 10), s.palette.FaceColor) << "mask colour stays transparent";
    s.isHovering = true;
    EXPECT_EQ(paintFrame(s).pixel(19, 9), Gdi::rgb(255, 0, 0));
}

TEST(DrawPicture, PressedMovesDownRight)
{
    ButtonCase s = withPicture(7);
    const Gdi::Surface f = paintFrame(s, PaintDown);
    EXPECT_EQ(f.pixel(20, 10), Gdi::rgb(255, 0, 0));
    EXPECT_EQ(f.pixel(19, 9), s.palette.FaceColor);
}

TEST(DrawPicture, DisabledIsAnEmbossedSilhouetteOfTheDarkPixels)
{
    ButtonCase s = withPicture(7);
    s.properties.enabled = false;
    const Gdi::Surface f = paintFrame(s);
    EXPECT_EQ(f.pixel(19, 9), s.palette.ShadowColor);     // red: 255 <= 384
    EXPECT_EQ(f.pixel(20, 9), s.palette.ShadowColor);     // dark grey
    EXPECT_EQ(f.pixel(19, 10), s.palette.FaceColor);      // light grey vanishes
    EXPECT_EQ(f.pixel(21, 10), s.palette.HighlightColor); // highlight copy of (20, 9)
    EXPECT_EQ(f.pixel(20, 10), s.palette.HighlightColor); // of (19, 9)
}

TEST(DrawPicture, DisabledXPStyleIsGreyAndMoved)
{
    ButtonCase s = withPicture(3);
    s.properties.enabled = false;
    EXPECT_EQ(paintFrame(s).pixel(20, 10), Gdi::rgb(76, 76, 76));
}

TEST(DrawPicture, FlatHighlightBlendsUntilHovered)
{
    ButtonCase s = withPicture(9);
    ASSERT_EQ(s.palette.FaceColor, Gdi::rgb(236, 233, 216));
    const Gdi::Surface f = paintFrame(s);
    // Two parts red (255, 0, 0) to one part face.
    EXPECT_EQ(f.pixel(19, 9), Gdi::rgb(248, 77, 72));
    s.isHovering = true;
    const Gdi::Surface hovered = paintFrame(s);
    EXPECT_EQ(hovered.pixel(18, 8), Gdi::rgb(255, 0, 0)) << "lifted up and left";
    EXPECT_EQ(hovered.pixel(21, 10), s.palette.ShadowColor) << "over its shadow";
}

TEST(DrawPicture, PictureOverReplacesWhileHovered)
{
    ButtonCase s = withPicture(7);
    s.properties.pictureOver = bitmap(3, 3, QList<Gdi::ColorRef>(9, 0x00AA00));
    s.isHovering = true;
    const Gdi::Surface f = paintFrame(s);
    EXPECT_EQ(f.pixel(20, 10), 0x00AA00u);
    EXPECT_EQ(f.pixel(21, 11), s.palette.FaceColor) << "cut to PictureNormal's size";
}

TEST(DrawPicture, PictureOverAloneIsNeverDrawn)
{
    ButtonCase s = makeButton(7, 40, 20);
    s.properties.pictureOver = bitmap(2, 2, QList<Gdi::ColorRef>(4, 0x00AA00));
    ButtonLayout::MeasurePicture(s.properties, s.geometry);
    ButtonLayout::LayoutCaption(s.properties, s.geometry);
    s.isHovering = true;
    const Gdi::Surface f = paintFrame(s);
    for (int y = 1; y < 19; ++y)
        for (int x = 1; x < 39; ++x)
            ASSERT_EQ(f.pixel(x, y), s.palette.FaceColor);
}

TEST(DrawPicture, EffectShadowUnderThePicture)
{
    ButtonCase s = withPicture(7);
    s.properties.specialEffect = 3;
    const Gdi::Surface f = paintFrame(s);
    EXPECT_EQ(f.pixel(21, 10), ButtonColor::ShiftColor(s.palette.FaceColor, -40, false, false));
    EXPECT_EQ(f.pixel(19, 9), Gdi::rgb(255, 0, 0));
}

} // namespace

// A position outside 0-4 is drawn centred, caption on top, exactly as 4.
TEST(DrawPicture, OutOfRangePositionKeepsTheCaptionOverTheCentredPicture)
{
    auto paintAt = [](int position) {
        ButtonCase s = makeButton(/*type*/ 7, 40, 20);
        s.properties.caption = QStringLiteral("MM");
        s.properties.picturePosition = position;
        s.properties.pictureNormal
            = bitmap(30, 14, QList<Gdi::ColorRef>(30 * 14, Gdi::rgb(0, 160, 0)));
        ButtonLayout::MeasurePicture(s.properties, s.geometry);
        ButtonLayout::LayoutCaption(s.properties, s.geometry);
        return paintFrame(s).image();
    };
    EXPECT_EQ(paintAt(9), paintAt(4));
}
