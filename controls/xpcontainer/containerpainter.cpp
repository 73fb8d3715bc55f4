#include "controls/xpcontainer/containerpainter.h"

#include <cmath>

namespace {

constexpr unsigned CaptionFlags = Gdi::TextLeft | Gdi::TextSingleLine;
// Wider than any caption, so measuring never wraps or clips it.
constexpr int MeasuringWidth = 1 << 16;

struct Channels {
    double red, green, blue;
};

// c is a translated colour, never negative.
Channels channelsOf(std::int32_t c)
{
    const auto colour = Gdi::ColorRef(c);
    return {double(Gdi::red(colour)), double(Gdi::green(colour)), double(Gdi::blue(colour))};
}

int roundHalfEven(double value)
{
    // nearbyint follows the current rounding mode, which is to nearest-even.
    return int(std::nearbyint(value));
}

} // namespace

void ContainerPainter::paint(Gdi::Surface &surface, const ContainerState &state)
{
    surface.resetClip();
    surface.clear(Gdi::ColorRef(Gdi::sysColor(Gdi::ButtonFace)));
    if (state.style == ContainerState::HeaderStyle)
        paintHeader(surface, state);
    paintBody(surface, state);
    paintBorder(surface, state);
}

void ContainerPainter::verticalGradient(Gdi::Surface &surface, Gdi::ColorRef start,
                                        Gdi::ColorRef end, int firstRow, int lastRow, int steps,
                                        int rowEnd)
{
    const std::int32_t from = Gdi::translateColor(start);
    const std::int32_t to = Gdi::translateColor(end);
    if (from < 0 || to < 0 || steps == 0)
        return;
    Channels colour = channelsOf(from);
    const Channels target = channelsOf(to);
    const Channels increment
        = {(target.red - colour.red) / steps, (target.green - colour.green) / steps,
           (target.blue - colour.blue) / steps};
    for (int y = firstRow; y <= lastRow; ++y) {
        const Gdi::ColorRef row = Gdi::rgb(roundHalfEven(colour.red), roundHalfEven(colour.green),
                                           roundHalfEven(colour.blue));
        surface.line(0, y, rowEnd, y, row);
        colour.red += increment.red;
        colour.green += increment.green;
        colour.blue += increment.blue;
    }
}

int ContainerPainter::captionHeight(const QFont &font, const QString &caption)
{
    return Gdi::Surface::measureText(caption, Gdi::Rect::box(0, 0, MeasuringWidth, 0), font,
                                     CaptionFlags)
        .height();
}

void ContainerPainter::paintHeader(Gdi::Surface &surface, const ContainerState &state)
{
    const ContainerLayout &layout = state.layout;
    if (layout.headerWidth <= 0)
        return;
    // The header is a strip of its own, drawn in its own coordinates and
    // then put on the panel.
    const int height = ContainerLayout::HeaderHeight;
    Gdi::Surface header(layout.headerWidth, height, Gdi::ColorRef(Gdi::sysColor(Gdi::ButtonFace)));
    verticalGradient(header, state.headerLightColor, state.headerDarkColor, 0, height - 1,
                     height - 1, layout.headerWidth);

    const std::int32_t textColour = Gdi::translateColor(state.textColor);
    if (textColour >= 0 && !state.caption.isEmpty()) {
        const int left = ContainerLayout::CaptionLeft;
        const int textHeight = captionHeight(state.captionFont, state.caption);
        header.drawText(
            state.caption,
            Gdi::Rect::box(left, layout.captionTop, layout.headerWidth - left, textHeight),
            state.captionFont, Gdi::ColorRef(textColour), CaptionFlags);
    }
    surface.bitBlt(ContainerLayout::HeaderLeft, ContainerLayout::HeaderTop, header.width(),
                   header.height(), header, 0, 0);
}

void ContainerPainter::paintBody(Gdi::Surface &surface, const ContainerState &state)
{
    const int width = surface.width();
    const int height = surface.height();
    // Rows run the full width of the panel (the border covers the outer
    // columns), so no column of the cleared surface stays behind.
    if (state.style != ContainerState::HeaderStyle) {
        verticalGradient(surface, state.backLightColor, state.backDarkColor, 0, height - 1,
                         height - 1, width);
        return;
    }
    verticalGradient(surface, state.backLightColor, state.backDarkColor, ContainerLayout::BodyTop,
                     height - 1, state.layout.bodyHeight - 1, width);
}

void ContainerPainter::paintBorder(Gdi::Surface &surface, const ContainerState &state)
{
    const std::int32_t colour = Gdi::translateColor(state.borderColor);
    if (colour < 0)
        return;
    const int width = surface.width();
    const int height = surface.height();
    const auto border = Gdi::ColorRef(colour);
    surface.frameRect(Gdi::Rect::box(0, 0, width, height), border);
    surface.line(0, height - 1, width, height - 1, border);
    surface.line(width - 1, 0, width - 1, height - 1, border);
}
