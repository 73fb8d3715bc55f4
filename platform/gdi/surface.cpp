#include "platform/gdi/surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <cstdlib>

namespace Gdi {

namespace {

constexpr QRgb InvertMask = 0x00FFFFFF;

int qtTextFlags(unsigned flags)
{
    int qt = 0;
    if (flags & TextCenter)
        qt |= Qt::AlignHCenter;
    else if (flags & TextRight)
        qt |= Qt::AlignRight;
    else
        qt |= Qt::AlignLeft;

    // Vertical placement only applies to single lines, as with the Windows call.
    if ((flags & TextSingleLine) && (flags & TextVCenter))
        qt |= Qt::AlignVCenter;
    else if ((flags & TextSingleLine) && (flags & TextBottom))
        qt |= Qt::AlignBottom;
    else
        qt |= Qt::AlignTop;

    if (flags & TextSingleLine)
        qt |= Qt::TextSingleLine;
    else if (flags & TextWordBreak)
        qt |= Qt::TextWordWrap;
    if (!(flags & TextNoPrefix))
        qt |= Qt::TextShowMnemonic;
    return qt;
}

// Whether the pixel centre (x, y) lies inside the ellipse with centre
// (cx, cy) and radii rx, ry.
bool insideEllipse(int x, int y, double cx, double cy, double rx, double ry)
{
    if (rx <= 0 || ry <= 0)
        return false;
    const double dx = (x + 0.5 - cx) / rx;
    const double dy = (y + 0.5 - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

} // namespace

Surface::Surface(int width, int height, ColorRef fill)
{
    resize(width, height, fill);
}

Surface::Surface(const QImage &image) : m_image(image.convertToFormat(QImage::Format_RGB32)) {}

void Surface::resize(int width, int height, ColorRef fill)
{
    m_image = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    m_image.fill(toQRgb(fill));
}

void Surface::clear(ColorRef fill)
{
    m_image.fill(toQRgb(fill));
}

void Surface::setClipRect(const Rect &clip)
{
    m_clip = clip;
}

void Surface::resetClip()
{
    m_clip.reset();
}

Rect Surface::clipRect() const
{
    return m_clip ? m_clip->intersected(bounds()) : bounds();
}

void Surface::plot(int x, int y, QRgb pixel)
{
    if (inClip(x, y))
        reinterpret_cast<QRgb *>(m_image.scanLine(y))[x] = pixel;
}

void Surface::fillRect(const Rect &rect, ColorRef colour)
{
    const Rect area = rect.intersected(clipRect());
    // A rect beside the surface intersects as an inverted one, which
    // std::fill would run through the whole memory with.
    if (area.isEmpty())
        return;
    const QRgb pixel = toQRgb(colour);
    for (int y = area.top; y < area.bottom; ++y) {
        auto *row = reinterpret_cast<QRgb *>(m_image.scanLine(y));
        std::fill(row + area.left, row + area.right, pixel);
    }
}

void Surface::frameRect(const Rect &rect, ColorRef colour)
{
    if (rect.isEmpty())
        return;
    fillRect({rect.left, rect.top, rect.right, rect.top + 1}, colour);
    fillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
    fillRect({rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
    fillRect({rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

void Surface::line(int x1, int y1, int x2, int y2, ColorRef colour)
{
    // Bresenham, stopping one step short of the end point.
    const QRgb pixel = toQRgb(colour);
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int stepX = x1 < x2 ? 1 : -1;
    const int stepY = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    int x = x1;
    int y = y1;
    while (x != x2 || y != y2) {
        plot(x, y, pixel);
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            y += stepY;
        }
    }
}

void Surface::setPixel(int x, int y, ColorRef colour)
{
    plot(x, y, toQRgb(colour));
}

ColorRef Surface::pixel(int x, int y) const
{
    if (!bounds().contains(x, y))
        return 0xFFFFFFFF;
    return fromQRgb(m_image.pixel(x, y));
}

void Surface::ellipse(const Rect &rect, ColorRef pen, int penWidth, std::optional<ColorRef> brush)
{
    if (rect.isEmpty())
        return;
    const double cx = (rect.left + rect.right) / 2.0;
    const double cy = (rect.top + rect.bottom) / 2.0;
    const double rx = rect.width() / 2.0;
    const double ry = rect.height() / 2.0;
    const int pen_ = std::max(penWidth, 0);
    const QRgb penPixel = toQRgb(pen);
    const Rect area = rect.intersected(clipRect());
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (!insideEllipse(x, y, cx, cy, rx, ry))
                continue;
            // A pixel on the rim (a 4-neighbour outside) always belongs to
            // the pen, so thin outlines stay closed.
            const bool rim = !insideEllipse(x - 1, y, cx, cy, rx, ry)
                || !insideEllipse(x + 1, y, cx, cy, rx, ry)
                || !insideEllipse(x, y - 1, cx, cy, rx, ry)
                || !insideEllipse(x, y + 1, cx, cy, rx, ry);
            const bool outline
                = pen_ > 0 && (rim || !insideEllipse(x, y, cx, cy, rx - pen_, ry - pen_));
            if (outline)
                plot(x, y, penPixel);
            else if (brush)
                plot(x, y, toQRgb(*brush));
        }
    }
}

void Surface::drawFocusRect(const Rect &rect)
{
    if (rect.isEmpty())
        return;
    // Every border pixel exactly once, corners included, so a second call
    // undoes the first; the dot pattern is fixed to the surface origin.
    auto dot = [this](int x, int y) {
        if ((x + y) % 2 == 0 && inClip(x, y)) {
            auto *row = reinterpret_cast<QRgb *>(m_image.scanLine(y));
            row[x] ^= InvertMask;
        }
    };
    for (int x = rect.left; x < rect.right; ++x) {
        dot(x, rect.top);
        if (rect.bottom - 1 > rect.top)
            dot(x, rect.bottom - 1);
    }
    for (int y = rect.top + 1; y < rect.bottom - 1; ++y) {
        dot(rect.left, y);
        if (rect.right - 1 > rect.left)
            dot(rect.right - 1, y);
    }
}

void Surface::invertRect(const Rect &rect)
{
    const Rect area = rect.intersected(clipRect());
    for (int y = area.top; y < area.bottom; ++y) {
        auto *row = reinterpret_cast<QRgb *>(m_image.scanLine(y));
        for (int x = area.left; x < area.right; ++x)
            row[x] ^= InvertMask;
    }
}

int Surface::drawText(const QString &text, const Rect &rect, const QFont &font, ColorRef colour,
                      unsigned flags)
{
    const Rect area = rect.intersected(clipRect());
    if (area.isEmpty() || m_image.isNull())
        return measureText(text, rect, font, flags).height();
    QPainter painter(&m_image);
    painter.setClipRect(area.toQRect());
    painter.setFont(font);
    painter.setPen(QColor(toQRgb(colour)));
    QRect drawn;
    painter.drawText(rect.toQRect(), qtTextFlags(flags), text, &drawn);
    return drawn.height();
}

Rect Surface::measureText(const QString &text, const Rect &rect, const QFont &font, unsigned flags)
{
    const QFontMetrics metrics(font);
    const int qtFlags = qtTextFlags(flags) & ~(Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask);
    // Qt needs a height to wrap into; only the width limits the measurement.
    const QRect room(rect.left, rect.top, std::max(rect.width(), 0), 1 << 20);
    const QRect needed = metrics.boundingRect(room, qtFlags | Qt::AlignLeft | Qt::AlignTop, text);
    const int height = text.isEmpty() ? metrics.height() : needed.height();
    return Rect::box(rect.left, rect.top, text.isEmpty() ? 0 : needed.width(), height);
}

void Surface::bitBlt(int x, int y, int width, int height, const Surface &src, int sx, int sy)
{
    const Rect target = Rect::box(x, y, width, height)
                            .intersected(clipRect())
                            .intersected(src.bounds().translated(x - sx, y - sy));
    if (target.isEmpty())
        return;
    for (int row = target.top; row < target.bottom; ++row) {
        const auto *from = reinterpret_cast<const QRgb *>(src.m_image.constScanLine(row - y + sy));
        auto *to = reinterpret_cast<QRgb *>(m_image.scanLine(row));
        std::copy(from + (target.left - x + sx), from + (target.right - x + sx), to + target.left);
    }
}

void Surface::stretchBlt(const Rect &target, const Surface &src, const Rect &source)
{
    if (target.isEmpty() || source.isEmpty())
        return;
    // Each target pixel takes the source pixel under its centre.
    const Rect area = target.intersected(clipRect());
    for (int y = area.top; y < area.bottom; ++y) {
        const int sy = source.top
            + int((2LL * (y - target.top) + 1) * source.height() / (2LL * target.height()));
        if (sy < 0 || sy >= src.height())
            continue;
        const auto *from = reinterpret_cast<const QRgb *>(src.m_image.constScanLine(sy));
        auto *to = reinterpret_cast<QRgb *>(m_image.scanLine(y));
        for (int x = area.left; x < area.right; ++x) {
            const int sx = source.left
                + int((2LL * (x - target.left) + 1) * source.width() / (2LL * target.width()));
            if (sx >= 0 && sx < src.width())
                to[x] = from[sx];
        }
    }
}

} // namespace Gdi
