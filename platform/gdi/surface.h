#pragma once

#include "platform/gdi/gdicolor.h"
#include "platform/gdi/gdirect.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <optional>

namespace Gdi {

// Options of drawText/measureText, with the values of the Windows call the
// controls were designed against.
enum TextFlag : unsigned {
    TextLeft = 0x0,
    TextCenter = 0x1,
    TextRight = 0x2,
    TextVCenter = 0x4, // single-line text only
    TextBottom = 0x8,  // single-line text only
    TextWordBreak = 0x10,
    TextSingleLine = 0x20,
    TextNoPrefix = 0x800,
};

// A drawing surface with the pixel semantics of the Windows GDI on a QImage
// (RGB32). Colours are plain 0x00BBGGRR values: translate system colour
// references with translateColor() first. Every primitive clips to the
// surface and to the clip rectangle; nothing reports an error.
class Surface {
public:
    Surface() = default;
    Surface(int width, int height, ColorRef fill = 0xFFFFFF);
    explicit Surface(const QImage &image);

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    Rect bounds() const { return Rect::box(0, 0, width(), height()); }
    const QImage &image() const { return m_image; }

    // Drops the old pixels: the new surface is all `fill`.
    void resize(int width, int height, ColorRef fill = 0xFFFFFF);
    void clear(ColorRef fill);

    void setClipRect(const Rect &clip);
    void resetClip();
    Rect clipRect() const;

    void fillRect(const Rect &rect, ColorRef colour);
    // One-pixel border on the inside of rect.
    void frameRect(const Rect &rect, ColorRef colour);
    // From (x1, y1) towards (x2, y2); the end point itself is not drawn.
    void line(int x1, int y1, int x2, int y2, ColorRef colour);
    void setPixel(int x, int y, ColorRef colour);
    // 0x00BBGGRR, or 0xFFFFFFFF outside the surface.
    ColorRef pixel(int x, int y) const;
    // The ellipse inscribed in rect; an outline penWidth pixels wide in pen
    // (none when penWidth is 0) and the inside in brush (hollow without one).
    void ellipse(const Rect &rect, ColorRef pen, int penWidth, std::optional<ColorRef> brush);
    // Inverts every other pixel of rect's border; drawing it twice restores.
    void drawFocusRect(const Rect &rect);
    void invertRect(const Rect &rect);

    // Draws text in rect (transparent background, clipped to rect) and
    // returns the height of the text. "&x" underlines x and "&&" shows one
    // "&" unless TextNoPrefix is given.
    int drawText(const QString &text, const Rect &rect, const QFont &font, ColorRef colour,
                 unsigned flags);
    // The rectangle drawText would cover: left and top of rect kept, right
    // and bottom moved to fit the text (word-wrapped to rect's width with
    // TextWordBreak).
    static Rect measureText(const QString &text, const Rect &rect, const QFont &font,
                            unsigned flags);

    // Plain copy of a width x height block from src at (sx, sy) to (x, y).
    void bitBlt(int x, int y, int width, int height, const Surface &src, int sx, int sy);
    // Copies source (in src) onto target, scaling by nearest pixel.
    void stretchBlt(const Rect &target, const Surface &src, const Rect &source);

private:
    void plot(int x, int y, QRgb pixel);
    bool inClip(int x, int y) const { return clipRect().contains(x, y); }

    QImage m_image;
    std::optional<Rect> m_clip;
};

} // namespace Gdi
