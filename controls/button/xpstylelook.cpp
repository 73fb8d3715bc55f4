#include "controls/button/xpstylelook.h"

namespace {

constexpr Gdi::ColorRef Border = 0x733C00;
constexpr Gdi::ColorRef BorderCorner = 0x7B4D10;
constexpr int GradientSteps = 25;

// Frame, bottom, top, second row, left and right strokes of each rim.
constexpr Gdi::ColorRef OrangeRim[6] = {0x31B2FF, 0x0096E7, 0xCEF3FF, 0x8CDBFF, 0x6BCBFF, 0x6BCBFF};
constexpr Gdi::ColorRef BlueRim[6] = {0xE7AE8C, 0xEF826B, 0xFFE7CE, 0xF7D7BD, 0xF0D1B5, 0xF0D1B5};

} // namespace

void XPStyleLook::XPStyle(ButtonPainter &p, ButtonPainter::Look look)
{
    switch (look) {
    case ButtonPainter::Look::Normal: return normal(p);
    case ButtonPainter::Look::Pressed: return pressed(p);
    case ButtonPainter::Look::Disabled: return disabled(p);
    }
}

void XPStyleLook::rim(ButtonPainter &p, const Gdi::ColorRef (&c)[6])
{
    const int W = p.W();
    const int H = p.H();
    p.frame(1, 2, W - 2, H - 4, c[0]);
    p.line(2, H - 2, W - 2, H - 2, c[1]);
    p.line(2, 1, W - 2, 1, c[2]);
    p.line(1, 2, W - 1, 2, c[3]);
    p.line(2, 3, 2, H - 3, c[4]);
    p.line(W - 3, 3, W - 3, H - 3, c[5]);
}

void XPStyleLook::normal(ButtonPainter &p)
{
    const int W = p.W();
    const int H = p.H();
    const Gdi::ColorRef G = p.palette().GradientBaseColor;
    p.gradient(GradientSteps, G, /*scaleBlue*/ true, /*bottomUp*/ false);
    p.normalCaption();
    p.frame(0, 0, W, H, Border);
    p.innerCorners(BorderCorner);

    // Hover wins over focus and default.
    if (p.hovering()) {
        rim(p, OrangeRim);
    } else if (p.properties().showFocusRect && (p.input().hasFocus || p.defaultFlag())) {
        rim(p, BlueRim);
    } else {
        p.line(2, H - 2, W - 2, H - 2, p.SB(G, -48));
        p.line(1, H - 3, W - 2, H - 3, p.SB(G, -32));
        p.line(W - 2, 2, W - 2, H - 2, p.SB(G, -36));
        p.line(W - 3, 3, W - 3, H - 3, p.SB(G, -24));
        p.line(2, 1, W - 2, 1, p.SB(G, 16));
        p.line(1, 2, W - 2, 2, p.SB(G, 10));
        p.line(1, 2, 1, H - 2, p.SB(G, -5));
        p.line(2, 3, 2, H - 3, p.SB(G, -10));
    }
    // The blue rim alone is too faint on the light face to tell which
    // button has the keyboard; the dotted mark inside is not.
    p.FocusMark();
}

void XPStyleLook::pressed(ButtonPainter &p)
{
    const int W = p.W();
    const int H = p.H();
    const Gdi::ColorRef G = p.palette().GradientBaseColor;
    const Gdi::ColorRef P = p.SB(G, -32);
    // Darkest at the top: the face looks pushed in.
    p.gradient(GradientSteps, P, /*scaleBlue*/ true, /*bottomUp*/ true);
    p.DrawCaption(CaptionColorMode::Pressed);
    p.frame(0, 0, W, H, Border);
    p.innerCorners(BorderCorner);
    p.line(2, H - 2, W - 2, H - 2, p.SB(P, 16));
    p.line(1, H - 3, W - 2, H - 3, p.SB(P, 10));
    p.line(W - 2, 2, W - 2, H - 2, p.SB(P, 5));
    p.line(W - 3, 3, W - 3, H - 3, G);
    p.line(2, 1, W - 2, 1, p.SB(P, -32));
    p.line(1, 2, W - 2, 2, p.SB(P, -24));
    p.line(1, 2, 1, H - 2, p.SB(P, -32));
    p.line(2, 2, 2, H - 2, p.SB(P, -22));
}

void XPStyleLook::disabled(ButtonPainter &p)
{
    const Gdi::ColorRef G = p.palette().GradientBaseColor;
    p.fill(0, 0, p.W(), p.H(), p.SB(G, -24));
    p.DrawCaption(CaptionColorMode::GradientGreyed);
    p.frame(0, 0, p.W(), p.H(), p.SB(G, -84));
    p.innerCorners(p.SB(G, -72));
}
