#include "buttontestsupport.h"
#include "controls/button/buttoncolor.h"
#include "controls/button/buttonlayout.h"
#include "controls/button/buttonpainter.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

Gdi::ColorRef SB(Gdi::ColorRef c, int n)
{
    return ButtonColor::ShiftColor(c, n, true, false);
}
Gdi::ColorRef S(Gdi::ColorRef c, int n)
{
    return ButtonColor::ShiftColor(c, n, false, false);
}
constexpr Gdi::ColorRef inverted(Gdi::ColorRef c)
{
    return c ^ 0xFFFFFF;
}

TEST(PaintFrame, ReturnsEarlyWhenNothingChanged)
{
    ButtonCase s = makeButton(2, 40, 20);
    Gdi::Surface surface(40, 20, 0x123456);
    EXPECT_TRUE(paintOn(surface, s, PaintUp, true));
    surface.setPixel(5, 5, 0x010203);
    EXPECT_FALSE(paintOn(surface, s, PaintUp, false));
    EXPECT_EQ(surface.pixel(5, 5), 0x010203u) << "an unchanged request must not draw";
    EXPECT_TRUE(paintOn(surface, s, PaintDown, false));
    EXPECT_EQ(s.memory.LastPaintedState, PaintDown);
    s.properties.caption = QStringLiteral("x");
    EXPECT_TRUE(paintOn(surface, s, PaintDown, false));
    EXPECT_EQ(s.memory.LastPaintedCaption, QStringLiteral("x"));

    s.paintingEnabled = false;
    EXPECT_FALSE(paintOn(surface, s, PaintUp, true));
    s.paintingEnabled = true;
    s.geometry.H = 0;
    EXPECT_FALSE(paintOn(surface, s, PaintUp, true));
}

TEST(PaintFrame, CaptionModeIsRememberedAcrossFrames)
{
    ButtonCase s = makeButton(5, 40, 20);
    s.properties.enabled = false;
    paintFrame(s);
    EXPECT_EQ(s.memory.CaptionMode, CaptionColorMode::Greyed);
    // The pressed etched caption has no mode of its own, so a centred
    // picture would draw the caption in the one remembered.
    s.properties.enabled = true;
    paintFrame(s, PaintDown);
    EXPECT_EQ(s.memory.CaptionMode, CaptionColorMode::Greyed);
    EXPECT_EQ(s.memory.LastPaintedState, PaintDown);
}

TEST(PaintFrame, ClassicBevelPixels)
{
    ButtonCase s = makeButton(2, 30, 12);
    const ButtonPalette &c = s.palette;
    const Gdi::Surface f = paintFrame(s);
    EXPECT_EQ(f.pixel(0, 0), c.HighlightColor);
    EXPECT_EQ(f.pixel(0, 10), c.HighlightColor);
    EXPECT_EQ(f.pixel(0, 11), c.DarkShadowColor) << "the bottom edge reaches column 0";
    EXPECT_EQ(f.pixel(29, 0), c.DarkShadowColor);
    EXPECT_EQ(f.pixel(1, 1), c.LightColor);
    EXPECT_EQ(f.pixel(1, 10), c.ShadowColor);
    EXPECT_EQ(f.pixel(28, 10), c.ShadowColor);
    EXPECT_EQ(f.pixel(28, 1), c.ShadowColor);
    EXPECT_EQ(f.pixel(15, 6), c.FaceColor);
}

TEST(PaintFrame, ClassicMarksFocusOnlyAsTheDefaultButton)
{
    ButtonCase plain = makeButton(2, 30, 12);
    ButtonCase focused = makeButton(2, 30, 12);
    focused.hasFocus = true;
    EXPECT_EQ(paintFrame(focused).image(), paintFrame(plain).image());

    focused.displayAsDefault = true;
    const Gdi::Surface f = paintFrame(focused);
    EXPECT_EQ(f.pixel(0, 0), focused.palette.DarkShadowColor);
    EXPECT_EQ(f.pixel(1, 1), focused.palette.HighlightColor) << "the bevel moves in by one";
    EXPECT_EQ(f.pixel(4, 4), inverted(focused.palette.FaceColor));
    EXPECT_EQ(f.pixel(5, 4), focused.palette.FaceColor);
}

TEST(PaintFrame, XPStyleGradientOn23Rows)
{
    EXPECT_EQ(ButtonPainter::gradientAmount(25, 23, 1), -1);
    EXPECT_EQ(ButtonPainter::gradientAmount(25, 23, 22), -24);
    EXPECT_EQ(ButtonPainter::gradientAmount(25, 23, 23), -25);
    // Exact halves go to the even neighbour: 25/10 * 1 = 2.5, * 3 = 7.5.
    EXPECT_EQ(ButtonPainter::gradientAmount(25, 10, 1), -2);
    EXPECT_EQ(ButtonPainter::gradientAmount(25, 10, 3), -8);

    ButtonCase s = makeButton(3, 40, 23);
    const Gdi::ColorRef G = s.palette.GradientBaseColor;
    ASSERT_EQ(G, 0xFFFFFFu);
    const Gdi::Surface f = paintFrame(s);
    for (int row = 3; row <= 19; ++row)
        EXPECT_EQ(f.pixel(20, row), SB(G, ButtonPainter::gradientAmount(25, 23, row)))
            << "row " << row;
    EXPECT_EQ(f.pixel(0, 0), 0x733C00u);
    EXPECT_EQ(f.pixel(39, 22), 0x733C00u);
    EXPECT_EQ(f.pixel(1, 1), 0x7B4D10u);
    EXPECT_EQ(f.pixel(38, 21), 0x7B4D10u);
    // Shaded rim.
    EXPECT_EQ(f.pixel(20, 21), SB(G, -48));
    EXPECT_EQ(f.pixel(20, 1), SB(G, 16));
    EXPECT_EQ(f.pixel(1, 10), SB(G, -5));
    EXPECT_EQ(f.pixel(38, 10), SB(G, -36));
}

TEST(PaintFrame, XPStylePressedIsDarkestAtTheTop)
{
    ButtonCase s = makeButton(3, 40, 23);
    const Gdi::ColorRef P = SB(s.palette.GradientBaseColor, -32);
    const Gdi::Surface f = paintFrame(s, PaintDown);
    for (int y = 4; y <= 19; ++y)
        EXPECT_EQ(f.pixel(20, 23 - y), SB(P, ButtonPainter::gradientAmount(25, 23, y)))
            << "y " << y;
    EXPECT_EQ(f.pixel(37, 10), s.palette.GradientBaseColor);
    EXPECT_EQ(f.pixel(2, 10), SB(P, -22));
}

TEST(PaintFrame, XPStyleHoverBeatsFocus)
{
    ButtonCase s = makeButton(3, 40, 23);
    s.hasFocus = true;
    EXPECT_EQ(paintFrame(s).pixel(1, 10), 0xE7AE8Cu);
    s.isHovering = true;
    const Gdi::Surface hovered = paintFrame(s);
    EXPECT_EQ(hovered.pixel(1, 10), 0x31B2FFu);
    EXPECT_EQ(hovered.pixel(20, 1), 0xCEF3FFu);
    EXPECT_EQ(hovered.pixel(20, 2), 0x8CDBFFu);
    EXPECT_EQ(hovered.pixel(20, 21), 0x0096E7u);

    s.isHovering = false;
    s.hasFocus = false;
    s.displayAsDefault = true;
    EXPECT_EQ(paintFrame(s).pixel(1, 10), 0xE7AE8Cu) << "the default button has the blue rim";
    s.properties.showFocusRect = false;
    EXPECT_EQ(paintFrame(s).pixel(1, 10), SB(s.palette.GradientBaseColor, -5));
}

// The focused button was told apart only by a faint light-blue rim.
TEST(PaintFrame, XPStyleFocusIsMarkedInsideTheFace)
{
    ButtonCase s = makeButton(3, 40, 23);
    const Gdi::Surface plain = paintFrame(s);
    s.hasFocus = true;
    const Gdi::Surface focused = paintFrame(s);
    EXPECT_EQ(focused.pixel(4, 4), inverted(plain.pixel(4, 4)));
    EXPECT_EQ(focused.pixel(5, 4), plain.pixel(5, 4));
    s.hasFocus = false;
    s.displayAsDefault = true;
    EXPECT_EQ(paintFrame(s).pixel(4, 4), plain.pixel(4, 4)) << "default alone is no focus";
}

TEST(PaintFrame, XPStyleDisabled)
{
    ButtonCase s = makeButton(3, 40, 23);
    s.properties.enabled = false;
    const Gdi::ColorRef G = s.palette.GradientBaseColor;
    const Gdi::Surface f = paintFrame(s);
    EXPECT_EQ(f.pixel(20, 10), SB(G, -24));
    EXPECT_EQ(f.pixel(0, 10), SB(G, -84));
    EXPECT_EQ(f.pixel(38, 1), SB(G, -72));
}

TEST(PaintFrame, DisabledRoundHasNoOutline)
{
    ButtonCase s = makeButton(13, 40, 20);
    s.isHovering = true;
    EXPECT_EQ(paintFrame(s).pixel(0, 10), s.palette.ShadowColor);
    s.properties.enabled = false;
    const Gdi::Surface f = paintFrame(s);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(f.pixel(x, y), s.palette.FaceColor) << x << "," << y;
}

TEST(PaintFrame, RoundPressedFillsTheEllipseDarker)
{
    ButtonCase s = makeButton(13, 40, 20);
    const Gdi::Surface f = paintFrame(s, PaintDown);
    EXPECT_EQ(f.pixel(0, 10), s.palette.DarkShadowColor);
    EXPECT_EQ(f.pixel(20, 10), S(s.palette.FaceColor, -32));
    EXPECT_EQ(f.pixel(0, 0), s.palette.FaceColor) << "outside the ellipse the face stays";
}

// Every pixel away from the picture is plain face.
void expectFaceAroundPicture(const Gdi::Surface &f, const ButtonCase &s)
{
    const Gdi::Rect picture
        = Gdi::Rect::box(s.geometry.PictureX - 1, s.geometry.PictureY - 1,
                         s.geometry.PictureWidth + 3, s.geometry.PictureHeight + 3);
    for (int y = 0; y < f.height(); ++y)
        for (int x = 0; x < f.width(); ++x)
            if (!picture.contains(x, y)) {
                ASSERT_EQ(f.pixel(x, y), s.palette.FaceColor) << x << "," << y;
            }
}

TEST(PaintFrame, PictureOnlyNeverShowsCaptionOrFocus)
{
    for (const int position : {0, 4}) {
        ButtonCase s = makeButton(10, 60, 24);
        s.properties.caption = QStringLiteral("Hello");
        s.hasFocus = true;
        s.properties.picturePosition = position;
        s.properties.pictureNormal = bitmap(2, 2, QList<Gdi::ColorRef>(4, 0x00AA00));
        ButtonLayout::MeasurePicture(s.properties, s.geometry);
        ButtonLayout::LayoutCaption(s.properties, s.geometry);
        for (const bool hover : {false, true}) {
            s.isHovering = hover;
            expectFaceAroundPicture(paintFrame(s), s);
            expectFaceAroundPicture(paintFrame(s, PaintDown), s);
        }
        s.properties.enabled = false;
        expectFaceAroundPicture(paintFrame(s), s);
    }
}

TEST(PaintFrame, CheckedButtonDrawsPressedUnlessDisabled)
{
    ButtonCase s = makeButton(7, 30, 12);
    s.properties.checkBoxBehaviour = true;
    s.properties.value = true;
    EXPECT_EQ(paintFrame(s, PaintUp).pixel(0, 5), s.palette.ShadowColor);
    EXPECT_EQ(s.memory.LastPaintedState, PaintDown);
    s.properties.enabled = false;
    EXPECT_EQ(paintFrame(s, PaintUp).pixel(0, 5), s.palette.HighlightColor);
}

TEST(PaintFrame, CustomHoverPaletteLastsOneFrame)
{
    ButtonCase s = makeButton(7, 30, 12, int(ColorScheme::CustomColors));
    s.properties.backColor = 0x4080C0;
    s.properties.backOver = 0x30A030;
    s.palette = ButtonColor::ComputePalette(s.properties);
    s.isHovering = true;
    const Gdi::Surface f = paintFrame(s);
    EXPECT_EQ(f.pixel(15, 6), 0x30A030u);
    EXPECT_EQ(f.pixel(0, 5), S(0x30A030, 47)) << "shades come from the hover colour";
    EXPECT_EQ(s.properties.backColor, 0x4080C0u);
    EXPECT_EQ(s.palette.FaceColor, 0x4080C0u);
    EXPECT_EQ(s.palette.HighlightColor, S(0x4080C0, 47));
}

TEST(PaintFrame, FlatHighlightPressedWithoutHoverShowsOnlyTheFrame)
{
    ButtonCase s = makeButton(9, 30, 12);
    Gdi::Surface f = paintFrame(s, PaintDown);
    EXPECT_EQ(f.pixel(10, 5), s.palette.FaceColor);
    EXPECT_EQ(f.pixel(0, 0), s.palette.AccentColor);
    s.isHovering = true;
    f = paintFrame(s, PaintDown);
    EXPECT_EQ(f.pixel(10, 5), ButtonColor::TintColor(s.palette.AccentColor, 128));
    f = paintFrame(s, PaintUp);
    EXPECT_EQ(f.pixel(10, 5), s.palette.AccentLightColor);
    EXPECT_EQ(f.pixel(29, 11), s.palette.AccentColor);
}

TEST(PaintFrame, RoundedBorderPressedRestoresTheGradientBase)
{
    ButtonCase s = makeButton(4, 30, 14);
    const Gdi::ColorRef D = s.palette.ShadowColor;
    const Gdi::Surface f = paintFrame(s, PaintDown);
    EXPECT_EQ(f.pixel(0, 5), s.palette.DarkShadowColor);
    EXPECT_EQ(f.pixel(2, 2), S(D, -64));
    EXPECT_EQ(f.pixel(3, 3), S(D, -32));
    EXPECT_EQ(f.pixel(10, 6), S(D, -16));
    EXPECT_EQ(f.pixel(20, 12), S(D, -16));
    EXPECT_EQ(f.pixel(27, 12), S(D, -32));
    EXPECT_EQ(s.palette.GradientBaseColor, S(s.palette.FaceColor, 48));

    const Gdi::Surface normal = paintFrame(s);
    EXPECT_EQ(normal.pixel(10, 6), s.palette.LightColor);
    EXPECT_EQ(normal.pixel(10, 2), s.palette.HighlightColor);
    EXPECT_EQ(normal.pixel(28, 6), s.palette.ShadowColor);
}

TEST(PaintFrame, GradientLookBars)
{
    ButtonCase s = makeButton(14, 40, 20);
    const Gdi::Surface f = paintFrame(s);
    EXPECT_EQ(f.pixel(0, 10), S(s.palette.ShadowColor, -50));
    EXPECT_EQ(f.pixel(1, 10), S(s.palette.FaceColor, -9));
    EXPECT_EQ(f.pixel(2, 3), s.palette.HighlightColor);
    EXPECT_EQ(f.pixel(3, 15), s.palette.HighlightColor);
    EXPECT_EQ(f.pixel(20, 10),
              S(s.palette.HighlightColor, ButtonPainter::gradientAmount(58, 20, 10)));
}

// The pixels of colour c in the caption area.
QSet<std::pair<int, int>> pixelsOf(const Gdi::Surface &f, const Gdi::Rect &area, Gdi::ColorRef c)
{
    QSet<std::pair<int, int>> set;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (f.pixel(x, y) == c)
                set.insert({x, y});
    return set;
}

QSet<std::pair<int, int>> moved(const QSet<std::pair<int, int>> &set, int dx, int dy)
{
    QSet<std::pair<int, int>> result;
    for (const auto &p : set)
        result.insert({p.first + dx, p.second + dy});
    return result;
}

class SpecialEffectCopies : public ::testing::Test {
protected:
    Gdi::Surface paintWithEffect(int effect)
    {
        ButtonCase s = makeButton(7, 80, 30);
        s.properties.caption = QStringLiteral("Hi");
        s.properties.specialEffect = effect;
        ButtonLayout::LayoutCaption(s.properties, s.geometry);
        area = {s.geometry.CaptionRect.left - 2, s.geometry.CaptionRect.top - 2,
                s.geometry.CaptionRect.right + 2, s.geometry.CaptionRect.bottom + 2};
        light = S(s.palette.FaceColor, 40);
        dark = S(s.palette.FaceColor, -40);
        caption = s.palette.CaptionColor;
        return paintFrame(s);
    }
    QSet<std::pair<int, int>> captionPixels()
    {
        const Gdi::Surface plain = paintWithEffect(0);
        return pixelsOf(plain, area, caption);
    }

    Gdi::Rect area;
    Gdi::ColorRef light = 0;
    Gdi::ColorRef dark = 0;
    Gdi::ColorRef caption = 0;
};

TEST_F(SpecialEffectCopies, ShadowIsOneDarkCopyDownRight)
{
    const auto M = captionPixels();
    ASSERT_FALSE(M.isEmpty());
    const Gdi::Surface f = paintWithEffect(3);
    EXPECT_EQ(pixelsOf(f, area, caption), M);
    EXPECT_EQ(pixelsOf(f, area, dark), moved(M, 1, 1) - M);
    EXPECT_TRUE(pixelsOf(f, area, light).isEmpty());
    // Any number above 3 is a shadow too.
    EXPECT_EQ(paintWithEffect(7).image(), f.image());
}

TEST_F(SpecialEffectCopies, RaisedIsDarkBelowAndLightAbove)
{
    const auto M = captionPixels();
    const Gdi::Surface f = paintWithEffect(1);
    EXPECT_EQ(pixelsOf(f, area, light), moved(M, -1, -1) - M);
    EXPECT_EQ(pixelsOf(f, area, dark), moved(M, 1, 1) - M - moved(M, -1, -1));
}

TEST_F(SpecialEffectCopies, SunkenIsLightBelowAndDarkAbove)
{
    const auto M = captionPixels();
    const Gdi::Surface f = paintWithEffect(2);
    EXPECT_EQ(pixelsOf(f, area, dark), moved(M, -1, -1) - M);
    EXPECT_EQ(pixelsOf(f, area, light), moved(M, 1, 1) - M - moved(M, -1, -1));
}

TEST_F(SpecialEffectCopies, NegativeIsNone)
{
    captionPixels();
    const Gdi::Surface none = paintWithEffect(0);
    EXPECT_EQ(paintWithEffect(-2).image(), none.image());
}

} // namespace
