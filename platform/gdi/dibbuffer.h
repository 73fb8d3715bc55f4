#pragma once

#include "platform/gdi/gdicolor.h"

#include <QByteArray>

namespace Gdi {

class Surface;

// A 24-bit device-independent pixel buffer: three bytes per pixel in the
// order blue, green, red, rows stored bottom-up, each row padded to a
// multiple of 4 bytes. Picture effects read a block of a surface into one,
// work on the bytes, and write it back.
class DibBuffer {
public:
    DibBuffer(int width, int height);

    // The width x height block of surface at (x, y); pixels outside the
    // surface read as black.
    static DibBuffer read(const Surface &surface, int x, int y, int width, int height);
    // Puts the buffer on surface with its top-left corner at (x, y),
    // honouring the surface's clip rectangle.
    void writeTo(Surface &surface, int x, int y) const;

    int width() const { return m_width; }
    int height() const { return m_height; }
    int stride() const { return strideFor(m_width); }
    static int strideFor(int width) { return (width * 3 + 3) & ~3; }

    QByteArray &bytes() { return m_bytes; }
    const QByteArray &bytes() const { return m_bytes; }
    // Byte offset of pixel (x, y), y counted from the top of the picture.
    int offset(int x, int y) const { return (m_height - 1 - y) * stride() + x * 3; }

    // red + 256 * green + 65536 * blue of pixel (x, y), y from the top.
    ColorRef color(int x, int y) const;
    void setColor(int x, int y, ColorRef colour);

private:
    int m_width;
    int m_height;
    QByteArray m_bytes;
};

} // namespace Gdi
