#include "platform/gdi/dibbuffer.h"

#include "platform/gdi/surface.h"

#include <algorithm>

namespace Gdi {

DibBuffer::DibBuffer(int width, int height)
    : m_width(std::max(width, 0))
    , m_height(std::max(height, 0))
    , m_bytes(qsizetype(strideFor(m_width)) * m_height, '\0')
{
}

DibBuffer DibBuffer::read(const Surface &surface, int x, int y, int width, int height)
{
    DibBuffer buffer(width, height);
    for (int row = 0; row < buffer.height(); ++row) {
        for (int column = 0; column < buffer.width(); ++column) {
            const ColorRef c = surface.pixel(x + column, y + row);
            if (c != 0xFFFFFFFF)
                buffer.setColor(column, row, c);
        }
    }
    return buffer;
}

void DibBuffer::writeTo(Surface &surface, int x, int y) const
{
    for (int row = 0; row < m_height; ++row)
        for (int column = 0; column < m_width; ++column)
            surface.setPixel(x + column, y + row, color(column, row));
}

ColorRef DibBuffer::color(int x, int y) const
{
    const auto *p = reinterpret_cast<const unsigned char *>(m_bytes.constData()) + offset(x, y);
    return rgb(p[2], p[1], p[0]);
}

void DibBuffer::setColor(int x, int y, ColorRef colour)
{
    auto *p = reinterpret_cast<unsigned char *>(m_bytes.data()) + offset(x, y);
    p[0] = static_cast<unsigned char>(blue(colour));
    p[1] = static_cast<unsigned char>(green(colour));
    p[2] = static_cast<unsigned char>(red(colour));
}

} // namespace Gdi
