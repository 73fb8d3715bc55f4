#include "controls/button/buttonpainter.h"

#include "controls/button/bevellooks.h"
#include "controls/button/buttoncolor.h"
#include "controls/button/buttonlayout.h"
#include "controls/button/picturepainter.h"
#include "controls/button/shapedlooks.h"
#include "controls/button/xpstylelook.h"

#include <cmath>
#include <cstdlib>

std::optional<PaintMemory> ButtonPainter::Paint(Gdi::Surface &surface, const ButtonFrame &frame,
                                                const PaintMemory &last, int paintState, bool force)
{
    const ButtonProperties &properties = frame.properties;
    if (properties.checkBoxBehaviour && properties.value)
        paintState = PaintDown;
    if (!force && properties.caption == last.LastPaintedCaption
        && paintState == last.LastPaintedState)
        return std::nullopt;
    if (frame.geometry.H == 0 || !frame.paintingEnabled)
        return std::nullopt;

    surface.clear(frame.clearColor);
    ButtonPainter painter(surface, frame, paintState, last.CaptionMode);
    painter.fill(0, 0, painter.W(), painter.H(), frame.palette.FaceColor);
    if (!properties.enabled) {
        painter.drawLook(Look::Disabled);
        PicturePainter::DrawPicture(painter, PicturePainter::Disabled);
    } else if (paintState == PaintDown) {
        painter.drawLook(Look::Pressed);
        PicturePainter::DrawPicture(painter, PicturePainter::Pressed);
    } else if (paintState == PaintUp) {
        painter.drawLook(Look::Normal);
        PicturePainter::DrawPicture(painter, PicturePainter::Normal);
    }
    return PaintMemory{paintState, properties.caption, painter.captionMode()};
}

ButtonPainter::ButtonPainter(Gdi::Surface &surface, const ButtonFrame &frame, int paintState,
                             CaptionColorMode captionMode)
    : m_surface(surface)
    , m_frame(frame)
    , m_paintState(paintState)
    , m_captionMode(captionMode)
{
}

void ButtonPainter::drawLook(Look look)
{
    switch (ButtonType(properties().buttonType)) {
    case ButtonType::FramedRaised: return BevelLooks::FramedRaised(*this, look);
    case ButtonType::Classic: return BevelLooks::Classic(*this, look);
    case ButtonType::XPStyle: return XPStyleLook::XPStyle(*this, look);
    case ButtonType::RoundedBorder: return ShapedLooks::RoundedBorder(*this, look);
    case ButtonType::EtchedBold: return ShapedLooks::EtchedBold(*this, look);
    case ButtonType::SoftRaised: return BevelLooks::SoftRaised(*this, look);
    case ButtonType::ThinRaised: return BevelLooks::ThinRaised(*this, look);
    case ButtonType::FlatThin: return BevelLooks::FlatThin(*this, look);
    case ButtonType::FlatHighlight: return ShapedLooks::FlatHighlight(*this, look);
    case ButtonType::PictureOnly: return; // face and picture only
    case ButtonType::Transparent: return ShapedLooks::Transparent(*this, look);
    case ButtonType::Flat3D: return BevelLooks::Flat3D(*this, look);
    case ButtonType::Round: return ShapedLooks::Round(*this, look);
    case ButtonType::Gradient: return ShapedLooks::Gradient(*this, look);
    }
    // Unknown numbers: face only.
}

Gdi::ColorRef ButtonPainter::S(Gdi::ColorRef colour, int amount) const
{
    return ButtonColor::ShiftColor(colour, amount, false, properties().softBevel);
}

Gdi::ColorRef ButtonPainter::SB(Gdi::ColorRef colour, int amount) const
{
    return ButtonColor::ShiftColor(colour, amount, true, properties().softBevel);
}

Gdi::ColorRef ButtonPainter::T(Gdi::ColorRef colour, int amount)
{
    return ButtonColor::TintColor(colour, amount);
}

void ButtonPainter::fill(int x, int y, int width, int height, Gdi::ColorRef colour)
{
    m_surface.fillRect(Gdi::Rect::box(x, y, width, height), colour);
}

void ButtonPainter::frame(int x, int y, int width, int height, Gdi::ColorRef colour)
{
    m_surface.frameRect(Gdi::Rect::box(x, y, width, height), colour);
}

void ButtonPainter::line(int x1, int y1, int x2, int y2, Gdi::ColorRef colour)
{
    m_surface.line(x1, y1, x2, y2, colour);
}

void ButtonPainter::pixel(int x, int y, Gdi::ColorRef colour)
{
    m_surface.setPixel(x, y, colour);
}

void ButtonPainter::innerCorners(Gdi::ColorRef colour)
{
    pixel(1, 1, colour);
    pixel(1, H() - 2, colour);
    pixel(W() - 2, 1, colour);
    pixel(W() - 2, H() - 2, colour);
}

void ButtonPainter::Bevel(Gdi::ColorRef c1, Gdi::ColorRef c2, Gdi::ColorRef c3, Gdi::ColorRef c4,
                          int inset, bool single)
{
    const int o = std::abs(inset);
    const int X = W() - 1 + inset;
    const int Y = H() - 1 + inset;
    line(o, Y, o, o, c1);
    line(o, o, X, o, c1);
    line(X, o, X, Y, c2);
    line(X, Y, o - 1, Y, c2);
    if (single)
        return;
    line(o + 1, Y - 1, o + 1, o + 1, c3);
    line(o + 1, o + 1, X - 1, o + 1, c3);
    line(X - 1, o + 1, X - 1, Y - 1, c4);
    line(X - 1, Y - 1, o, Y - 1, c4);
}

void ButtonPainter::ellipse(int x, int y, int width, int height, Gdi::ColorRef pen,
                            Gdi::ColorRef brush)
{
    m_surface.ellipse(Gdi::Rect::box(x, y, width, height), pen, 2, brush);
}

void ButtonPainter::FocusMark()
{
    if (properties().showFocusRect && m_frame.hasFocus)
        m_surface.drawFocusRect(geometry().ContentRect);
}

void ButtonPainter::backgroundCopy()
{
    if (m_frame.background)
        m_surface.bitBlt(0, 0, W(), H(), *m_frame.background, 0, 0);
}

int ButtonPainter::gradientAmount(int steps, int height, int y)
{
    const float k = float(steps) / float(height);
    return int(std::nearbyint(-double(k) * y));
}

void ButtonPainter::gradient(int steps, Gdi::ColorRef base, bool scaleBlue, bool bottomUp)
{
    for (int y = 1; y <= H(); ++y) {
        const int amount = gradientAmount(steps, H(), y);
        const Gdi::ColorRef colour = scaleBlue ? SB(base, amount) : S(base, amount);
        const int row = bottomUp ? H() - y : y;
        line(0, row, W(), row, colour);
    }
}

void ButtonPainter::captionText(const Gdi::Rect &rect, Gdi::ColorRef colour)
{
    m_surface.drawText(ButtonLayout::ansiCaption(properties().caption), rect, properties().font,
                       colour, ButtonLayout::CaptionFlags);
}

Gdi::ColorRef ButtonPainter::effectBase() const
{
    if (m_frame.is(ButtonType::XPStyle) || m_frame.is(ButtonType::RoundedBorder)
        || m_frame.is(ButtonType::Gradient))
        return palette().GradientBaseColor;
    if (m_frame.is(ButtonType::FlatHighlight) && m_paintState == PaintUp && hovering()
        && properties().colorScheme != int(ColorScheme::CustomColors)) {
        // The hover fill of this look.
        return palette().AccentLightColor;
    }
    return palette().FaceColor;
}

void ButtonPainter::captionEffects(const Gdi::Rect &rect, Gdi::ColorRef base)
{
    const int effect = properties().specialEffect;
    if (effect <= 0)
        return;
    const Gdi::ColorRef light = S(base, 40);
    const Gdi::ColorRef dark = S(base, -40);
    switch (effect) {
    case int(SpecialEffect::EffectSunken):
        captionText(rect.translated(1, 1), light);
        captionText(rect.translated(-1, -1), dark);
        break;
    case int(SpecialEffect::EffectRaised):
        captionText(rect.translated(1, 1), dark);
        captionText(rect.translated(-1, -1), light);
        break;
    default: captionText(rect.translated(1, 1), dark); break;
    }
}

void ButtonPainter::DrawCaption(CaptionColorMode mode, std::optional<Gdi::ColorRef> effectBase)
{
    m_captionMode = mode;
    const Gdi::ColorRef base = effectBase.value_or(this->effectBase());
    const ButtonGeometry &g = geometry();
    const ButtonPalette &p = palette();
    switch (mode) {
    case CaptionColorMode::Normal:
        captionEffects(g.CaptionRect, base);
        captionText(g.CaptionRect, p.CaptionColor);
        break;
    case CaptionColorMode::Hover:
        captionEffects(g.CaptionRect, base);
        captionText(g.CaptionRect, p.CaptionOverColor);
        break;
    case CaptionColorMode::Pressed:
        captionEffects(g.PressedCaptionRect, base);
        captionText(g.PressedCaptionRect,
                    m_frame.is(ButtonType::RoundedBorder) ? p.LightColor : p.CaptionOverColor);
        break;
    case CaptionColorMode::Embossed:
        captionText(g.PressedCaptionRect, p.HighlightColor);
        captionText(g.CaptionRect, p.ShadowColor);
        break;
    case CaptionColorMode::Greyed: captionText(g.CaptionRect, p.ShadowColor); break;
    case CaptionColorMode::GradientGreyed:
        captionText(g.CaptionRect, SB(p.GradientBaseColor, -104));
        break;
    case CaptionColorMode::FaceEmbossed:
        captionText(g.PressedCaptionRect, p.HighlightColor);
        captionText(g.CaptionRect, p.FaceColor);
        break;
    case CaptionColorMode::PressedGradient:
        captionText(g.PressedCaptionRect, S(p.ShadowColor, -50));
        captionText(g.CaptionRect, p.HighlightColor);
        break;
    }
}
