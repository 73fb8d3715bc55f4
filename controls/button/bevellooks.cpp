#include "controls/button/bevellooks.h"

namespace {

constexpr int Outer = 0;
constexpr int Inner = -1;
constexpr bool TwoLevel = false;
constexpr bool OneLevel = true;

} // namespace

void BevelLooks::FramedRaised(ButtonPainter &p, Look look)
{
    const ButtonPalette &c = p.palette();
    if (look == Look::Disabled) {
        p.DrawCaption(CaptionColorMode::Embossed);
        p.Bevel(c.HighlightColor, c.ShadowColor, c.HighlightColor, c.ShadowColor, Inner, TwoLevel);
        p.frame(0, 0, p.W(), p.H(), c.DarkShadowColor);
        return;
    }
    if (look == Look::Pressed) {
        p.DrawCaption(CaptionColorMode::Pressed);
        p.Bevel(c.ShadowColor, c.HighlightColor, c.ShadowColor, c.HighlightColor, Inner, TwoLevel);
        p.frame(0, 0, p.W(), p.H(), c.DarkShadowColor);
        p.FocusMark();
        return;
    }
    p.normalCaption();
    p.Bevel(c.HighlightColor, c.ShadowColor, c.HighlightColor, c.ShadowColor, Inner, TwoLevel);
    p.frame(0, 0, p.W(), p.H(), c.DarkShadowColor);
    p.FocusMark();
}

void BevelLooks::Classic(ButtonPainter &p, Look look)
{
    const ButtonPalette &c = p.palette();
    // Shown as the window's default button: a dark frame around a bevel
    // moved one pixel in.
    const bool asDefault = p.properties().showFocusRect && p.defaultFlag();
    if (look == Look::Disabled) {
        p.DrawCaption(CaptionColorMode::Embossed);
        p.Bevel(c.HighlightColor, c.DarkShadowColor, c.LightColor, c.ShadowColor, Outer, TwoLevel);
        return;
    }
    if (look == Look::Pressed) {
        p.DrawCaption(CaptionColorMode::Pressed);
        if (asDefault) {
            p.frame(0, 0, p.W(), p.H(), c.DarkShadowColor);
            p.frame(1, 1, p.W() - 2, p.H() - 2, c.ShadowColor);
            p.FocusMark();
        } else {
            p.Bevel(c.DarkShadowColor, c.HighlightColor, c.ShadowColor, c.LightColor, Outer,
                    TwoLevel);
        }
        return;
    }
    p.normalCaption();
    if (asDefault) {
        p.Bevel(c.HighlightColor, c.DarkShadowColor, c.LightColor, c.ShadowColor, Inner, TwoLevel);
        p.FocusMark();
        p.frame(0, 0, p.W(), p.H(), c.DarkShadowColor);
    } else {
        p.Bevel(c.HighlightColor, c.DarkShadowColor, c.LightColor, c.ShadowColor, Outer, TwoLevel);
    }
}

void BevelLooks::SoftRaised(ButtonPainter &p, Look look)
{
    const ButtonPalette &c = p.palette();
    const Gdi::ColorRef light = p.S(c.LightColor, 8);
    if (look == Look::Disabled) {
        p.DrawCaption(CaptionColorMode::Greyed);
        p.Bevel(light, c.ShadowColor, light, c.ShadowColor, Outer, TwoLevel);
        return;
    }
    if (look == Look::Pressed) {
        p.DrawCaption(CaptionColorMode::Pressed);
        p.Bevel(c.ShadowColor, light, c.ShadowColor, light, Outer, TwoLevel);
        p.FocusMark();
        return;
    }
    p.normalCaption();
    p.Bevel(light, c.ShadowColor, light, c.ShadowColor, Outer, TwoLevel);
    p.FocusMark();
}

void BevelLooks::ThinRaised(ButtonPainter &p, Look look)
{
    const ButtonPalette &c = p.palette();
    if (look == Look::Disabled) {
        p.DrawCaption(CaptionColorMode::Embossed);
        p.Bevel(c.HighlightColor, c.ShadowColor, 0, 0, Outer, OneLevel);
        return;
    }
    if (look == Look::Pressed) {
        p.DrawCaption(CaptionColorMode::Pressed);
        p.Bevel(c.ShadowColor, c.HighlightColor, 0, 0, Outer, OneLevel);
        p.FocusMark();
        return;
    }
    p.normalCaption();
    p.Bevel(c.HighlightColor, c.ShadowColor, 0, 0, Outer, OneLevel);
    p.FocusMark();
}

void BevelLooks::FlatThin(ButtonPainter &p, Look look)
{
    const ButtonPalette &c = p.palette();
    if (look == Look::Disabled) {
        p.DrawCaption(CaptionColorMode::Embossed);
        return;
    }
    if (look == Look::Pressed)
        return ThinRaised(p, look);
    p.normalCaption();
    if (p.hovering())
        p.Bevel(c.HighlightColor, c.ShadowColor, 0, 0, Outer, OneLevel);
    p.FocusMark();
}

void BevelLooks::Flat3D(ButtonPainter &p, Look look)
{
    const ButtonPalette &c = p.palette();
    if (look == Look::Disabled) {
        p.DrawCaption(CaptionColorMode::Embossed);
        return;
    }
    if (look == Look::Pressed) {
        p.DrawCaption(CaptionColorMode::Pressed);
        p.Bevel(c.DarkShadowColor, c.HighlightColor, c.ShadowColor, c.LightColor, Outer, TwoLevel);
        p.FocusMark();
        return;
    }
    p.normalCaption();
    if (p.hovering())
        p.Bevel(c.HighlightColor, c.DarkShadowColor, c.LightColor, c.ShadowColor, Outer, TwoLevel);
    p.FocusMark();
}
