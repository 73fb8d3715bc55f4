#include "controls/button/buttonlayout.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <cmath>

namespace {

// The Round look's region is read off an ellipse drawn in one colour on
// another.
constexpr Gdi::ColorRef Outside = 0x000000;
constexpr Gdi::ColorRef Inside = 0xFFFFFF;

} // namespace

QString ButtonLayout::ansiCaption(const QString &caption)
{
    QStringEncoder encoder("GB18030");
    const QByteArray bytes = encoder.encode(caption);
    // A stateful decoder keeps an incomplete trailing character back
    // instead of showing a replacement mark for it.
    QStringDecoder decoder("GB18030");
    return decoder.decode(bytes.left(caption.size()));
}

Gdi::Rect ButtonLayout::ContentRect(int buttonType, int width, int height)
{
    const Gdi::Rect client{0, 0, width, height};
    if (buttonType >= int(ButtonType::ThinRaised) && buttonType <= int(ButtonType::Round))
        return {client.left + 3, client.top + 3, client.right - 3, client.bottom - 3};
    if (buttonType == int(ButtonType::Gradient))
        return Gdi::Rect{client.left + 5, client.top + 5, client.right - 5, client.bottom - 5}
            .translated(1, 1);
    return {client.left + 4, client.top + 4, client.right - 4, client.bottom - 4};
}

void ButtonLayout::Resize(const ButtonProperties &properties, ButtonGeometry &geometry, int width,
                          int height)
{
    geometry.W = width;
    geometry.H = height;
    geometry.ContentRect = ContentRect(properties.buttonType, width, height);
    LayoutCaption(properties, geometry);
}

QRegion ButtonLayout::BuildRegion(int buttonType, int width, int height)
{
    const int W = width;
    const int H = height;
    if (buttonType == int(ButtonType::Round)) {
        Gdi::Surface shape(W, H, Outside);
        shape.ellipse(Gdi::Rect::box(0, 0, W, H), Inside, /*penWidth*/ 0, Inside);
        QRegion region;
        for (int y = 0; y < H; ++y) {
            int x = 0;
            while (x < W) {
                while (x < W && shape.pixel(x, y) != Inside)
                    ++x;
                const int start = x;
                while (x < W && shape.pixel(x, y) == Inside)
                    ++x;
                if (x > start)
                    region += QRect(start, y, x - start, 1);
            }
        }
        return region;
    }

    QRegion region(0, 0, W, H);
    auto cut = [&region](int x, int y) { region -= QRegion(x, y, 1, 1); };
    switch (ButtonType(buttonType)) {
    case ButtonType::FramedRaised:
    case ButtonType::Gradient:
        cut(0, H - 1);
        cut(W - 1, 0);
        cut(0, 0);
        cut(W - 1, H - 1);
        break;
    case ButtonType::EtchedBold:
        cut(0, H - 1);
        cut(W - 1, 0);
        break;
    case ButtonType::XPStyle:
    case ButtonType::RoundedBorder:
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(0, H - 1), QPoint(1, H - 1),
              QPoint(0, H - 2), QPoint(W - 2, 0), QPoint(W - 1, 0), QPoint(W - 1, 1),
              QPoint(W - 2, H - 1), QPoint(W - 1, H - 1), QPoint(W - 1, H - 2)})
            cut(corner.x(), corner.y());
        break;
    default: break;
    }
    return region;
}

PicturePosition ButtonLayout::effectivePosition(int picturePosition)
{
    if (picturePosition < int(PicturePosition::PictureLeft)
        || picturePosition > int(PicturePosition::PictureCenter))
        return PicturePosition::PictureCenter;
    return PicturePosition(picturePosition);
}

void ButtonLayout::LayoutCaption(const ButtonProperties &properties, ButtonGeometry &g)
{
    const int W = g.W;
    const int H = g.H;
    const PicturePosition position = effectivePosition(properties.picturePosition);

    switch (position) {
    case PicturePosition::PictureLeft: g.LayoutRect = {g.PictureWidth + 1, 1, W - 2, H - 2}; break;
    case PicturePosition::PictureRight: g.LayoutRect = {1, 1, W - g.PictureWidth - 2, H - 2}; break;
    case PicturePosition::PictureTop: g.LayoutRect = {1, g.PictureHeight + 1, W - 2, H - 2}; break;
    case PicturePosition::PictureBottom:
        g.LayoutRect = {1, 1, W - 2, H - g.PictureHeight - 2};
        break;
    case PicturePosition::PictureCenter: g.LayoutRect = {1, 1, W - 2, H - 2}; break;
    }

    const Gdi::Rect measured = Gdi::Surface::measureText(
        ansiCaption(properties.caption), g.LayoutRect, properties.font, CaptionFlags);
    int dx = (W - measured.right) / 2;
    int dy = (H - measured.bottom) / 2;
    if (position == PicturePosition::PictureRight)
        dx = (W - measured.right - g.PictureWidth - 4) / 2;
    else if (position == PicturePosition::PictureBottom)
        dy = (H - measured.bottom - g.PictureHeight - 4) / 2;
    g.CaptionRect = measured.translated(dx, dy);
    g.CaptionWidth = g.CaptionRect.width();
    g.CaptionHeight = g.CaptionRect.height();
    g.PressedCaptionRect = g.CaptionRect.translated(1, 1);
    PlacePicture(properties, g);
}

void ButtonLayout::MeasurePicture(const ButtonProperties &properties, ButtonGeometry &g)
{
    if (properties.pictureNormal.isNull()) {
        g.PictureWidth = 0;
        g.PictureHeight = 0;
        return;
    }
    // HiMetric to pixels at 96 dots per inch, halves to even.
    auto toPixels = [](int hiMetric) { return int(std::nearbyint(hiMetric * 96.0 / 2540.0)); };
    g.PictureWidth = toPixels(properties.pictureNormal.widthHiMetric());
    g.PictureHeight = toPixels(properties.pictureNormal.heightHiMetric());
}

void ButtonLayout::PlacePicture(const ButtonProperties &properties, ButtonGeometry &g)
{
    if (properties.pictureNormal.isNull() && properties.pictureOver.isNull())
        return;
    const PicturePosition position = effectivePosition(properties.picturePosition);
    QString trimmed = properties.caption;
    while (trimmed.startsWith(' '))
        trimmed.remove(0, 1);
    while (trimmed.endsWith(' '))
        trimmed.chop(1);

    const int centredX = (g.W - g.PictureWidth) / 2;
    const int centredY = (g.H - g.PictureHeight) / 2;
    if (trimmed.isEmpty() || position == PicturePosition::PictureCenter) {
        g.PictureX = centredX;
        g.PictureY = centredY;
        return;
    }
    switch (position) {
    case PicturePosition::PictureLeft:
        g.PictureX = g.CaptionRect.left - g.PictureWidth - 4;
        g.PictureY = centredY;
        break;
    case PicturePosition::PictureRight:
        g.PictureX = g.CaptionRect.right + 4;
        g.PictureY = centredY;
        break;
    case PicturePosition::PictureTop:
        g.PictureX = centredX;
        g.PictureY = g.CaptionRect.top - g.PictureHeight - 2;
        break;
    case PicturePosition::PictureBottom:
        g.PictureX = centredX;
        g.PictureY = g.CaptionRect.bottom + 2;
        break;
    case PicturePosition::PictureCenter: break;
    }
}
