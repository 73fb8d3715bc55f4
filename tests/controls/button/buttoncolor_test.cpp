#include "buttontestsupport.h"
#include "controls/button/buttoncolor.h"

#include <gtest/gtest.h>

namespace {

constexpr Gdi::ColorRef grey(int level)
{
    return Gdi::rgb(level, level, level);
}

ButtonCase customState(Gdi::ColorRef back, bool soft = false, int type = 2)
{
    ButtonCase state;
    state.properties.colorScheme = int(ColorScheme::CustomColors);
    state.properties.backColor = back;
    state.properties.foreColor = 0x0000FF;
    state.properties.foreOver = 0x00FF00;
    state.properties.softBevel = soft;
    state.properties.buttonType = type;
    state.palette = ButtonColor::ComputePalette(state.properties);
    return state;
}

TEST(ShiftColor, AddsToEveryChannelAndClamps)
{
    EXPECT_EQ(ButtonColor::ShiftColor(Gdi::rgb(10, 100, 250), 10, false, false),
              Gdi::rgb(20, 110, 255));
    EXPECT_EQ(ButtonColor::ShiftColor(Gdi::rgb(10, 100, 250), -20, false, false),
              Gdi::rgb(0, 80, 230));
    // Amount 0 leaves the colour alone.
    EXPECT_EQ(ButtonColor::ShiftColor(Gdi::rgb(1, 2, 3), 0, true, false), Gdi::rgb(1, 2, 3));
}

TEST(ShiftColor, ScaledBlueMovesByItsShareOf192)
{
    // 96 + 96 * -32 / 192 = 80; 100 + 100 * 10 / 192 = 105 (truncated).
    EXPECT_EQ(Gdi::blue(ButtonColor::ShiftColor(Gdi::rgb(50, 50, 96), -32, true, false)), 80);
    EXPECT_EQ(Gdi::blue(ButtonColor::ShiftColor(Gdi::rgb(50, 50, 100), 10, true, false)), 105);
    // -7 * 100 / 192 = -3.6 truncates toward zero to -3.
    EXPECT_EQ(Gdi::blue(ButtonColor::ShiftColor(Gdi::rgb(50, 50, 100), -7, true, false)), 97);
}

TEST(ShiftColor, SoftBevelHalvesTowardZero)
{
    EXPECT_EQ(ButtonColor::ShiftColor(grey(100), -33, false, true), grey(84));
    EXPECT_EQ(ButtonColor::ShiftColor(grey(100), 33, false, true), grey(116));
    // -1 halves to 0, which clamps nothing.
    EXPECT_EQ(ButtonColor::ShiftColor(grey(100), -1, false, true), grey(100));
}

TEST(TintColor, BlendsTowardWhite)
{
    // 176 + 79 * channel / 255 for the default selection colour 49, 106, 197.
    EXPECT_EQ(ButtonColor::TintColor(Gdi::rgb(49, 106, 197), 176), Gdi::rgb(191, 208, 237));
    EXPECT_EQ(ButtonColor::TintColor(grey(0), 128), grey(128));
    EXPECT_EQ(ButtonColor::TintColor(grey(255), 128), grey(255));
}

TEST(ComputePalette, CustomSchemeOnMidGrey)
{
    const ButtonCase s = customState(0xC0C0C0);
    EXPECT_EQ(s.palette.FaceColor, grey(192));
    EXPECT_EQ(s.palette.ShadowColor, grey(128));
    EXPECT_EQ(s.palette.LightColor, grey(223));
    EXPECT_EQ(s.palette.HighlightColor, grey(239));
    EXPECT_EQ(s.palette.DarkShadowColor, grey(0));
    EXPECT_EQ(s.palette.AccentColor, grey(64));
    EXPECT_EQ(s.palette.AccentLightColor, s.palette.FaceColor);
    EXPECT_EQ(s.palette.CaptionColor, 0x0000FFu);
    EXPECT_EQ(s.palette.CaptionOverColor, 0x00FF00u);
    EXPECT_EQ(s.palette.GradientBaseColor, grey(240));
}

TEST(ComputePalette, SoftBevelHalvesEveryStep)
{
    const ButtonCase s = customState(0xC0C0C0, /*soft*/ true);
    EXPECT_EQ(s.palette.ShadowColor, grey(160));
    EXPECT_EQ(s.palette.DarkShadowColor, grey(96));
    EXPECT_EQ(s.palette.LightColor, grey(207));
    EXPECT_EQ(s.palette.GradientBaseColor, grey(216));
    // Floored at 0 for a dark face.
    EXPECT_EQ(customState(grey(20), true).palette.ShadowColor, grey(0));
}

TEST(ComputePalette, XPGradientBaseOfTheSystemFaceIsWhite)
{
    ButtonCase s;
    s.properties.buttonType = int(ButtonType::XPStyle);
    s.palette = ButtonColor::ComputePalette(s.properties);
    EXPECT_EQ(s.palette.FaceColor, Gdi::rgb(236, 233, 216));
    EXPECT_EQ(s.palette.GradientBaseColor, 0xFFFFFFu);
    // Other looks add 48 to blue as well: 216 + 48 caps too, but a bluer
    // face shows the difference: blue 96 + 96 * 48 / 192 = 120 against 144.
    EXPECT_EQ(Gdi::blue(customState(Gdi::rgb(10, 10, 96), false, 3).palette.GradientBaseColor),
              120);
    EXPECT_EQ(Gdi::blue(customState(Gdi::rgb(10, 10, 96), false, 2).palette.GradientBaseColor),
              144);
}

TEST(ComputePalette, SystemSchemeReadsTheSystemTable)
{
    ButtonCase s;
    s.properties.backColor = 0x0000FF; // ignored by this scheme
    s.palette = ButtonColor::ComputePalette(s.properties);
    EXPECT_EQ(s.palette.FaceColor, Gdi::rgb(236, 233, 216));
    EXPECT_EQ(s.palette.ShadowColor, Gdi::rgb(172, 168, 153));
    EXPECT_EQ(s.palette.LightColor, Gdi::rgb(241, 239, 226));
    EXPECT_EQ(s.palette.DarkShadowColor, Gdi::rgb(113, 111, 100));
    EXPECT_EQ(s.palette.HighlightColor, Gdi::rgb(255, 255, 255));
    EXPECT_EQ(s.palette.AccentColor, Gdi::rgb(49, 106, 197));
    EXPECT_EQ(s.palette.AccentLightColor, Gdi::rgb(191, 208, 237));
    EXPECT_EQ(s.palette.MaskColorValue, 0xC0C0C0u);
}

TEST(ComputePalette, FixedGreyIgnoresEveryColourInput)
{
    ButtonCase s = customState(0x0000FF, true);
    s.properties.colorScheme = int(ColorScheme::FixedGrey);
    s.properties.maskColor = 0x8000000F;
    s.palette = ButtonColor::ComputePalette(s.properties);
    EXPECT_EQ(s.palette.FaceColor, 0xC0C0C0u);
    EXPECT_EQ(s.palette.ShadowColor, 0x808080u);
    EXPECT_EQ(s.palette.LightColor, 0xDFDFDFu);
    EXPECT_EQ(s.palette.AccentColor, 0x800000u);
    EXPECT_EQ(s.palette.AccentLightColor, 0xD1ADADu);
    EXPECT_EQ(s.palette.CaptionColor, 0u);
    EXPECT_EQ(s.palette.MaskColorValue, Gdi::rgb(236, 233, 216));
}

TEST(ComputePalette, ParentSchemeDerivesFromTheParentsColours)
{
    ButtonCase s;
    s.properties.colorScheme = int(ColorScheme::ParentColors);
    s.palette = ButtonColor::ComputePalette(s.properties, {.back = grey(100), .text = 0x00FF00});
    EXPECT_EQ(s.palette.FaceColor, grey(100));
    EXPECT_EQ(s.palette.CaptionOverColor, 0x00FF00u);
    EXPECT_EQ(s.palette.ShadowColor, grey(36));
    EXPECT_EQ(s.palette.AccentColor, Gdi::rgb(49, 106, 197));
}

} // namespace
