#include "controls/button/shapedlooks.h"

#include "controls/button/buttonlayout.h"

namespace {

constexpr Gdi::ColorRef EtchedFocusColor = 0xCC9999;
constexpr int GradientSteps = 58;

} // namespace

void ShapedLooks::RoundedBorder(ButtonPainter &p, Look look)
{
    if (look == Look::Pressed)
        return roundedBorderPressed(p);
    p.fill(1, 1, p.W() - 2, p.H() - 2, p.palette().LightColor);
    if (look == Look::Disabled)
        p.DrawCaption(CaptionColorMode::Embossed);
    else
        p.normalCaption();
    roundedBorderStrokes(p);
}

void ShapedLooks::roundedBorderStrokes(ButtonPainter &p)
{
    const ButtonPalette &c = p.palette();
    const int W = p.W();
    const int H = p.H();
    p.frame(0, 0, W, H, c.DarkShadowColor);
    p.innerCorners(c.DarkShadowColor);
    p.line(1, 2, 2, 0, c.FaceColor);
    p.line(3, 2, W - 3, 2, c.HighlightColor);
    p.line(2, 2, 2, H - 3, c.HighlightColor);
    p.pixel(3, 3, c.HighlightColor);
    p.line(W - 3, 1, W - 3, H - 3, c.FaceColor);
    p.line(1, H - 3, W - 3, H - 3, c.FaceColor);
    p.pixel(W - 4, H - 4, c.FaceColor);
    p.line(W - 2, 2, W - 2, H - 2, c.ShadowColor);
    p.line(2, H - 2, W - 2, H - 2, c.ShadowColor);
    p.pixel(W - 3, H - 3, c.ShadowColor);
}

void ShapedLooks::roundedBorderPressed(ButtonPainter &p)
{
    const ButtonPalette &c = p.palette();
    const int W = p.W();
    const int H = p.H();
    const Gdi::ColorRef D = c.ShadowColor;
    p.fill(1, 1, W - 2, H - 2, p.S(D, -16));
    // The caption's effect copies take the pressed face as their base.
    p.DrawCaption(CaptionColorMode::Pressed, /*effectBase*/ p.S(D, -16));
    p.frame(0, 0, W, H, c.DarkShadowColor);
    p.frame(1, 1, W - 2, H - 2, p.S(D, -64));
    p.frame(2, 2, W - 4, H - 4, p.S(D, -32));
    p.pixel(2, 2, p.S(D, -64));
    p.pixel(3, 3, p.S(D, -32));
    p.innerCorners(c.DarkShadowColor);
    p.line(W - 3, 1, W - 3, H - 3, D);
    p.line(1, H - 3, W - 2, H - 3, D);
    p.pixel(W - 4, H - 4, D);
    p.line(W - 2, 3, W - 2, H - 2, p.S(D, -16));
    p.line(3, H - 2, W - 2, H - 2, p.S(D, -16));
    p.line(W - 2, H - 3, W - 4, H - 1, p.S(D, -32));
    p.pixel(2, H - 2, p.S(D, -32));
    p.pixel(W - 2, 2, p.S(D, -32));
}

void ShapedLooks::etchedFocusBox(ButtonPainter &p)
{
    if (!p.input().hasFocus || !p.properties().showFocusRect)
        return;
    const ButtonGeometry &g = p.geometry();
    p.frame(g.CaptionRect.left - 2, g.CaptionRect.top - 1, g.CaptionWidth + 4, g.CaptionHeight + 2,
            EtchedFocusColor);
}

void ShapedLooks::EtchedBold(ButtonPainter &p, Look look)
{
    const ButtonPalette &c = p.palette();
    const int W = p.W();
    const int H = p.H();
    if (look == Look::Disabled) {
        p.DrawCaption(CaptionColorMode::Greyed);
        p.frame(0, 0, W, H, c.ShadowColor);
        return;
    }
    if (look == Look::Pressed) {
        p.fill(1, 1, W - 2, H - 2, p.S(c.ShadowColor, 16));
        p.frame(0, 0, W - 1, H - 1, p.S(c.ShadowColor, -26));
        p.line(W - 1, 1, W - 1, H, c.HighlightColor);
        p.line(1, H - 1, W - 1, H - 1, c.HighlightColor);
        // Neither moved nor given effect copies.
        p.captionText(p.geometry().CaptionRect, c.CaptionOverColor);
        etchedFocusBox(p);
        return;
    }
    p.fill(1, 1, W - 1, H - 1, p.S(c.FaceColor, 12));
    p.normalCaption();
    p.frame(1, 1, W - 1, H - 1, c.HighlightColor);
    p.frame(0, 0, W - 1, H - 1, p.S(c.ShadowColor, -26));
    p.pixel(1, H - 2, p.S(c.ShadowColor, 26));
    p.pixel(W - 2, 1, p.S(c.ShadowColor, 26));
    etchedFocusBox(p);
}

void ShapedLooks::FlatHighlight(ButtonPainter &p, Look look)
{
    const ButtonPalette &c = p.palette();
    const int W = p.W();
    const int H = p.H();
    if (look == Look::Disabled) {
        p.DrawCaption(CaptionColorMode::Greyed);
        return;
    }
    if (look == Look::Pressed) {
        // Pressed with Space while the pointer is elsewhere: frame only.
        if (p.hovering()) {
            const bool custom = p.properties().colorScheme == int(ColorScheme::CustomColors);
            p.fill(0, 0, W, H, custom ? p.S(c.AccentLightColor, -32) : p.T(c.AccentColor, 128));
        }
        p.DrawCaption(CaptionColorMode::Pressed);
        p.frame(0, 0, W, H, c.AccentColor);
        p.FocusMark();
        return;
    }
    if (p.hovering())
        p.fill(1, 1, W, H, c.AccentLightColor);
    p.normalCaption();
    if (p.hovering())
        p.frame(0, 0, W, H, c.AccentColor);
    p.FocusMark();
}

void ShapedLooks::Transparent(ButtonPainter &p, Look look)
{
    p.backgroundCopy();
    if (look == Look::Disabled) {
        p.DrawCaption(CaptionColorMode::Embossed);
        return;
    }
    if (look == Look::Pressed)
        p.DrawCaption(CaptionColorMode::Pressed);
    else
        p.normalCaption();
    p.FocusMark();
}

void ShapedLooks::Round(ButtonPainter &p, Look look)
{
    const ButtonPalette &c = p.palette();
    if (look == Look::Disabled) {
        // No outline: the region alone gives the shape.
        p.DrawCaption(CaptionColorMode::Embossed);
        return;
    }
    if (look == Look::Pressed) {
        p.ellipse(0, 0, p.W(), p.H(), c.DarkShadowColor, p.S(c.FaceColor, -32));
        p.DrawCaption(CaptionColorMode::Pressed);
        return;
    }
    p.ellipse(0, 0, p.W(), p.H(), p.hovering() ? c.ShadowColor : c.FaceColor, c.FaceColor);
    p.normalCaption();
}

void ShapedLooks::gradientFace(ButtonPainter &p)
{
    const ButtonPalette &c = p.palette();
    const int W = p.W();
    const int H = p.H();
    p.frame(0, 0, W, H, p.S(c.ShadowColor, -50));
    p.frame(1, 1, W - 2, H - 2, p.S(c.FaceColor, -9));
    p.fill(2, 2, W - 4, 2, c.HighlightColor);
    p.fill(2, 4, 2, H - 6, c.HighlightColor);
}

void ShapedLooks::boldDefaultCaption(ButtonPainter &p)
{
    if (!p.defaultFlag())
        return p.normalCaption();
    // The default button's caption is laid out and drawn bold for this
    // frame only, by a painter of the same frame with a bold layout.
    ButtonProperties bold = p.properties();
    bold.font.setBold(true);
    ButtonGeometry boldGeometry = p.geometry();
    ButtonLayout::LayoutCaption(bold, boldGeometry);
    const ButtonFrame boldFrame = p.input().withLayout(bold, boldGeometry);
    ButtonPainter boldPainter(p.surface(), boldFrame, p.paintState(), p.captionMode());
    boldPainter.normalCaption();
    p.setCaptionMode(boldPainter.captionMode());
}

void ShapedLooks::Gradient(ButtonPainter &p, Look look)
{
    const ButtonPalette &c = p.palette();
    const int W = p.W();
    const int H = p.H();
    if (look == Look::Disabled) {
        p.gradient(GradientSteps, c.HighlightColor, /*scaleBlue*/ false, /*bottomUp*/ false);
        gradientFace(p);
        p.DrawCaption(CaptionColorMode::FaceEmbossed);
        return;
    }
    if (look == Look::Pressed) {
        p.fill(1, 1, W, H, p.S(c.FaceColor, -9));
        p.frame(0, 0, W, H, p.S(c.ShadowColor, -48));
        p.line(2, H - 2, W - 2, H - 2, c.HighlightColor);
        p.line(W - 2, 2, W - 2, H - 1, c.HighlightColor);
        p.DrawCaption(CaptionColorMode::PressedGradient);
        p.FocusMark();
        return;
    }
    if (p.hovering())
        p.fill(0, 0, W, H, c.LightColor);
    else
        p.gradient(GradientSteps, c.HighlightColor, /*scaleBlue*/ false, /*bottomUp*/ false);
    boldDefaultCaption(p);
    gradientFace(p);
    p.FocusMark();
}
