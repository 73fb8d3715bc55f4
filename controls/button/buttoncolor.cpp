#include "controls/button/buttoncolor.h"

#include <algorithm>

namespace {

struct Channels {
    int red;
    int green;
    int blue;
};

// Truncating division throughout, as the colour rules are written.
Channels split(Gdi::ColorRef value)
{
    const qint64 v = qint64(value);
    return {int(v & 255), int((v / 256) % 256), int((v / 65536) % 256)};
}

Gdi::ColorRef assemble(const Channels &c)
{
    return Gdi::ColorRef(c.red + 256 * c.green + 65536 * c.blue);
}

// The FixedGrey scheme: the classic grey face whatever the colours say.
constexpr ButtonPalette FixedGreyPalette{
    .FaceColor = 0xC0C0C0,
    .CaptionColor = 0x000000,
    .CaptionOverColor = 0x000000,
    .LightColor = 0xDFDFDF,
    .HighlightColor = 0xFFFFFF,
    .ShadowColor = 0x808080,
    .DarkShadowColor = 0x000000,
    .AccentColor = 0x800000,
    .AccentLightColor = 0xD1ADAD,
};

// How far the light accent moves the selection colour towards white.
constexpr int AccentTint = 176;

Gdi::ColorRef sys(Gdi::SystemColorIndex index)
{
    return Gdi::ColorRef(Gdi::sysColor(index));
}

} // namespace

Gdi::ColorRef ButtonColor::TranslateColor(Gdi::ColorRef colour)
{
    const std::int32_t rgb = Gdi::translateColor(colour);
    return rgb < 0 ? 0 : Gdi::ColorRef(rgb);
}

Gdi::ColorRef ButtonColor::ShiftColor(Gdi::ColorRef colour, int amount, bool scaleBlue,
                                      bool softBevel)
{
    if (softBevel)
        amount /= 2;
    Channels c = split(colour);
    c.red += amount;
    c.green += amount;
    c.blue += scaleBlue ? c.blue * amount / 192 : amount;
    if (amount > 0) {
        c.red = std::min(c.red, 255);
        c.green = std::min(c.green, 255);
        c.blue = std::min(c.blue, 255);
    } else if (amount < 0) {
        c.red = std::max(c.red, 0);
        c.green = std::max(c.green, 0);
        c.blue = std::max(c.blue, 0);
    }
    return assemble(c);
}

Gdi::ColorRef ButtonColor::TintColor(Gdi::ColorRef colour, int amount)
{
    const int k = 255 - amount;
    Channels c = split(colour);
    auto tint = [&](int channel) { return std::clamp(amount + k * channel / 255, 0, 255); };
    return assemble({tint(c.red), tint(c.green), tint(c.blue)});
}

ButtonPalette ButtonColor::ComputePalette(const ButtonProperties &properties,
                                          const ParentColors &parent)
{
    ButtonPalette p;
    const bool soft = properties.softBevel;
    auto shift = [soft](Gdi::ColorRef c, int amount) { return ShiftColor(c, amount, false, soft); };

    switch (ColorScheme(properties.colorScheme)) {
    case ColorScheme::CustomColors:
        p.FaceColor = TranslateColor(properties.backColor);
        p.CaptionColor = TranslateColor(properties.foreColor);
        p.CaptionOverColor = TranslateColor(properties.foreOver);
        p.ShadowColor = shift(p.FaceColor, -64);
        p.LightColor = shift(p.FaceColor, 31);
        p.HighlightColor = shift(p.FaceColor, 47);
        p.DarkShadowColor = shift(p.FaceColor, -192);
        p.AccentColor = shift(p.FaceColor, -128);
        p.AccentLightColor = p.FaceColor;
        break;
    case ColorScheme::FixedGrey: p = FixedGreyPalette; break;
    case ColorScheme::ParentColors:
        p.FaceColor = TranslateColor(parent.back);
        p.CaptionColor = TranslateColor(parent.text);
        p.CaptionOverColor = p.CaptionColor;
        p.ShadowColor = shift(p.FaceColor, -64);
        p.LightColor = shift(p.FaceColor, 31);
        p.HighlightColor = shift(p.FaceColor, 47);
        p.DarkShadowColor = shift(p.FaceColor, -192);
        p.AccentColor = sys(Gdi::Highlight);
        p.AccentLightColor = TintColor(p.AccentColor, AccentTint);
        break;
    case ColorScheme::SystemColors:
    default:
        p.FaceColor = sys(Gdi::ButtonFace);
        p.CaptionColor = sys(Gdi::ButtonText);
        p.CaptionOverColor = sys(Gdi::ButtonText);
        p.ShadowColor = sys(Gdi::ButtonShadow);
        p.LightColor = sys(Gdi::Light3D);
        p.HighlightColor = sys(Gdi::ButtonHighlight);
        p.DarkShadowColor = sys(Gdi::DarkShadow3D);
        p.AccentColor = sys(Gdi::Highlight);
        p.AccentLightColor = TintColor(p.AccentColor, AccentTint);
        break;
    }
    p.MaskColorValue = TranslateColor(properties.maskColor);
    p.GradientBaseColor = ShiftColor(p.FaceColor, 48, properties.is(ButtonType::XPStyle), soft);
    return p;
}

ButtonPalette ButtonColor::ComputePalette(const ButtonProperties &properties)
{
    return ComputePalette(properties, ParentColors());
}

ButtonPalette ButtonColor::FramePalette(const ButtonProperties &properties,
                                        const ButtonPalette &stored, bool hovering)
{
    if (!hovering || properties.colorScheme != int(ColorScheme::CustomColors))
        return stored;
    // The parent's colours play no part in the custom scheme.
    ButtonProperties over = properties;
    over.backColor = properties.backOver;
    return ComputePalette(over);
}
