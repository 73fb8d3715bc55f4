#include "platform/gdi/gdicolor.h"

#include <array>

namespace Gdi {

namespace {

constexpr std::int32_t Missing = -1;

// The default colour scheme of the desktop the program was designed on,
// indexed like the system colour numbers (index 25 was never assigned).
constexpr std::array<std::int32_t, 31> SystemTable = {
    rgb(212, 208, 200), rgb(0, 78, 152),
    rgb(0, 84, 227),    rgb(122, 150, 223),
    rgb(255, 255, 255), rgb(255, 255, 255),
    rgb(0, 0, 0),       rgb(0, 0, 0),
    rgb(0, 0, 0),       rgb(255, 255, 255),
    rgb(212, 208, 200), rgb(212, 208, 200),
    rgb(128, 128, 128), rgb(49, 106, 197),
    rgb(255, 255, 255), rgb(236, 233, 216),
    rgb(172, 168, 153), rgb(172, 168, 153),
    rgb(0, 0, 0),       rgb(216, 228, 248),
    rgb(255, 255, 255), rgb(113, 111, 100),
    rgb(241, 239, 226), rgb(0, 0, 0),
    rgb(255, 255, 225), Missing,
    rgb(0, 0, 128),     rgb(61, 149, 255),
    rgb(157, 185, 235), rgb(49, 106, 197),
    rgb(236, 233, 216),
};

} // namespace

std::int32_t sysColor(int index)
{
    if (index < 0 || index >= int(SystemTable.size()))
        return Missing;
    return SystemTable[std::size_t(index)];
}

std::int32_t translateColor(ColorRef colour)
{
    switch (colour >> 24) {
    case 0x00:
    case 0x02: // "palette RGB" is plain RGB on a true-colour surface
        return std::int32_t(colour & 0x00FFFFFF);
    case 0x80:
        // Only the low word carries the index; anything in between is invalid.
        if (colour & 0x00FF0000)
            return Missing;
        return sysColor(int(colour & 0xFFFF));
    default: // palette indexes need a palette, which we never have
        return Missing;
    }
}

} // namespace Gdi
