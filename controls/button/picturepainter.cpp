#include "controls/button/picturepainter.h"

#include "controls/button/buttonlayout.h"

#include "platform/gdi/dibbuffer.h"

#include <QPainter>
#include <cmath>

namespace {

// The picture as an opaque surface: bitmaps as they are, icons drawn over
// the background colour so that their transparent parts take it.
Gdi::Surface sourceSurface(const ButtonPicture &picture, int width, int height,
                           Gdi::ColorRef background)
{
    QImage canvas(width, height, QImage::Format_RGB32);
    canvas.fill(Gdi::toQRgb(background));
    QPainter painter(&canvas);
    if (picture.kind() == ButtonPicture::Kind::Bitmap)
        painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (!picture.isNull())
        painter.drawImage(0, 0, picture.image());
    painter.end();
    return Gdi::Surface(canvas);
}

} // namespace

int PicturePainter::grey(int red, int green, int blue)
{
    const double redTerm = std::nearbyint(0.3 * red);
    return int(std::nearbyint(redTerm + 0.59 * green + 0.11 * blue));
}

void PicturePainter::BlitPicture(Gdi::Surface &surface, int x, int y, int width, int height,
                                 const ButtonPicture &picture, const Blit &how)
{
    if (width <= 0 || height <= 0)
        return;
    const Gdi::Surface source = sourceSurface(picture, width, height, how.iconBackground);
    Gdi::DibBuffer back = Gdi::DibBuffer::read(surface, x, y, width, height);
    const Gdi::DibBuffer front = Gdi::DibBuffer::read(source, 0, 0, width, height);

    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const Gdi::ColorRef p = front.color(column, row);
            if (how.useMask && p == how.transparent)
                continue;
            const int red = Gdi::red(p);
            const int green = Gdi::green(p);
            const int blue = Gdi::blue(p);
            if (how.solid) {
                if (!(how.threshold && red + green + blue > 384))
                    back.setColor(column, row, *how.solid);
            } else if (how.greyscale) {
                const int g = grey(red, green, blue);
                back.setColor(column, row, Gdi::rgb(g, g, g));
            } else if (!how.blend) {
                back.setColor(column, row, p);
            } else {
                const Gdi::ColorRef b = back.color(column, row);
                back.setColor(column, row,
                              Gdi::rgb((2 * red + Gdi::red(b)) / 3, (2 * green + Gdi::green(b)) / 3,
                                       (2 * blue + Gdi::blue(b)) / 3));
            }
        }
    }
    back.writeTo(surface, x, y);
}

PicturePainter::Blit PicturePainter::plain(const ButtonPainter &p)
{
    Blit how;
    how.transparent = p.palette().MaskColorValue;
    how.useMask = p.properties().useMaskColor;
    // Icons sit on the mask colour, translated so that they stay
    // transparent even when MaskColor names a system colour.
    how.iconBackground = p.palette().MaskColorValue;
    return how;
}

void PicturePainter::blit(ButtonPainter &p, int x, int y, const ButtonPicture &picture,
                          const Blit &how)
{
    const ButtonGeometry &g = p.geometry();
    BlitPicture(p.surface(), x, y, g.PictureWidth, g.PictureHeight, picture, how);
}

void PicturePainter::PictureEffect(ButtonPainter &p, int offset, const ButtonPicture &picture)
{
    const ButtonProperties &s = p.properties();
    if (s.specialEffect <= 0)
        return;
    Gdi::ColorRef base = p.palette().FaceColor;
    if (s.is(ButtonType::XPStyle))
        base = p.palette().GradientBaseColor;
    else if (offset == -1 && s.colorScheme != int(ColorScheme::CustomColors))
        base = p.palette().AccentLightColor;
    Blit light = plain(p);
    light.solid = p.S(base, 40);
    Blit dark = plain(p);
    dark.solid = p.S(base, -40);

    const int X = p.geometry().PictureX + offset;
    const int Y = p.geometry().PictureY + offset;
    switch (s.specialEffect) {
    case int(SpecialEffect::EffectSunken):
        blit(p, X + 1, Y + 1, picture, light);
        blit(p, X - 1, Y - 1, picture, dark);
        break;
    case int(SpecialEffect::EffectRaised):
        blit(p, X + 1, Y + 1, picture, dark);
        blit(p, X - 1, Y - 1, picture, light);
        break;
    default: blit(p, X + 1, Y + 1, picture, dark); break;
    }
}

void PicturePainter::DrawPicture(ButtonPainter &p, Mode mode)
{
    const ButtonProperties &s = p.properties();
    if (s.pictureNormal.isNull())
        return;
    const ButtonPicture &normal = s.pictureNormal;
    const ButtonPicture &over = s.pictureOver;
    const int X = p.geometry().PictureX;
    const int Y = p.geometry().PictureY;
    const bool flatHighlight = s.is(ButtonType::FlatHighlight);
    const bool etched = s.is(ButtonType::EtchedBold);

    if (mode == Normal && !p.hovering()) {
        PictureEffect(p, 0, normal);
        Blit how = plain(p);
        how.greyscale = s.useGreyscale;
        how.blend = flatHighlight;
        blit(p, X, Y, normal, how);
    } else if (mode == Normal && flatHighlight) {
        // The picture lifts up and left over its own shadow.
        PictureEffect(p, -1, normal);
        Blit shadow = plain(p);
        shadow.solid = p.palette().ShadowColor;
        blit(p, X + 1, Y + 1, normal, shadow);
        blit(p, X - 1, Y - 1, normal, plain(p));
    } else if (mode == Normal) {
        const ButtonPicture &shown = over.isNull() ? normal : over;
        PictureEffect(p, 0, shown);
        blit(p, X, Y, shown, plain(p));
    } else if (mode == Pressed && !over.isNull() && !flatHighlight) {
        const int shift = etched ? 0 : 1;
        blit(p, X + shift, Y + shift, over, plain(p));
    } else if (mode == Pressed && !etched && !flatHighlight) {
        PictureEffect(p, 1, normal);
        blit(p, X + 1, Y + 1, normal, plain(p));
    } else if (mode == Pressed) {
        PictureEffect(p, 0, normal);
        blit(p, X, Y, normal, plain(p));
    } else if (s.is(ButtonType::XPStyle)) {
        Blit how = plain(p);
        how.greyscale = true;
        blit(p, X + 1, Y + 1, normal, how);
    } else if (etched || s.is(ButtonType::SoftRaised) || flatHighlight) {
        Blit how = plain(p);
        how.solid = flatHighlight ? p.S(p.palette().ShadowColor, 13) : p.palette().ShadowColor;
        how.threshold = true;
        blit(p, X, Y, normal, how);
    } else {
        // Embossed: a highlight copy one pixel down and right under a shadow.
        Blit how = plain(p);
        how.threshold = true;
        how.solid = p.palette().HighlightColor;
        blit(p, X + 1, Y + 1, normal, how);
        how.solid = p.palette().ShadowColor;
        blit(p, X, Y, normal, how);
    }

    // A centred picture must not hide the caption. Looks that never show a
    // caption keep it hidden here too.
    const bool showsCaption = s.buttonType >= int(ButtonType::FramedRaised)
        && s.buttonType <= int(ButtonType::Gradient) && !s.is(ButtonType::PictureOnly);
    if (ButtonLayout::effectivePosition(s.picturePosition) == PicturePosition::PictureCenter
        && showsCaption)
        p.DrawCaption(p.captionMode());
}
