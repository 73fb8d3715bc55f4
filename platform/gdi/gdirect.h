#pragma once

#include <QRect>
#include <algorithm>

namespace Gdi {

// A rectangle as the drawing calls take it: left and top inclusive, right
// and bottom exclusive, so a 10x5 box at the origin is {0, 0, 10, 5}.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static constexpr Rect box(int x, int y, int width, int height)
    {
        return {x, y, x + width, y + height};
    }
    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool isEmpty() const { return right <= left || bottom <= top; }
    constexpr bool contains(int x, int y) const
    {
        return x >= left && x < right && y >= top && y < bottom;
    }
    constexpr Rect intersected(const Rect &other) const
    {
        return {std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
                std::min(bottom, other.bottom)};
    }
    constexpr Rect translated(int dx, int dy) const
    {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    QRect toQRect() const { return QRect(left, top, width(), height()); }
    constexpr bool operator==(const Rect &) const = default;
};

} // namespace Gdi
