#pragma once

#include <QRgb>
#include <cstdint>

// Colours travel through the program as 32-bit values 0x00BBGGRR (red in the
// low byte), or as a system colour index with the high bit set. These helpers
// are the one place where such values become plain red, green and blue.
namespace Gdi {

using ColorRef = std::uint32_t;

// A system colour reference: the high bit and an index into the system table.
constexpr ColorRef SystemColorFlag = 0x80000000u;

enum SystemColorIndex : int {
    ScrollBar = 0,
    Desktop = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkspace = 12,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    InactiveCaptionText = 19,
    ButtonHighlight = 20,
    DarkShadow3D = 21,
    Light3D = 22,
    InfoText = 23,
    InfoBackground = 24,
    HotLight = 26,
    GradientActiveCaption = 27,
    GradientInactiveCaption = 28,
    MenuHighlight = 29,
    MenuBar = 30,
};

constexpr ColorRef rgb(int red, int green, int blue)
{
    return ColorRef(red & 0xFF) | (ColorRef(green & 0xFF) << 8) | (ColorRef(blue & 0xFF) << 16);
}
constexpr int red(ColorRef c)
{
    return int(c & 0xFF);
}
constexpr int green(ColorRef c)
{
    return int((c >> 8) & 0xFF);
}
constexpr int blue(ColorRef c)
{
    return int((c >> 16) & 0xFF);
}
constexpr ColorRef systemColor(SystemColorIndex index)
{
    return SystemColorFlag | ColorRef(index);
}

// The current RGB value of a system colour (the fixed default scheme of
// this build); -1 for an index that names no colour.
std::int32_t sysColor(int index);

// Turns any colour value into 0x00BBGGRR. Returns -1 when the value names no
// colour (an unknown system index, a palette index, any other high byte).
std::int32_t translateColor(ColorRef colour);

// Conversions between 0x00BBGGRR and the surface's pixel format.
constexpr QRgb toQRgb(ColorRef c)
{
    return qRgb(red(c), green(c), blue(c));
}
constexpr ColorRef fromQRgb(QRgb p)
{
    return rgb(qRed(p), qGreen(p), qBlue(p));
}

} // namespace Gdi
