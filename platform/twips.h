#pragma once

#include <cmath>

// Window layouts are kept in twips; controls paint in pixels. At the 96
// dots per inch the layouts were made for, 15 twips are one pixel.
namespace Twips {

constexpr int PerPixel = 15;

inline int toPixels(int twips)
{
    return int(std::lround(double(twips) / PerPixel));
}

constexpr int fromPixels(int pixels)
{
    return pixels * PerPixel;
}

} // namespace Twips
