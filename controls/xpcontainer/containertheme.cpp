#include "controls/xpcontainer/containertheme.h"

#include <array>

namespace {

using Gdi::rgb;

// blue, grey-blue, teal green, sage, sky blue, light green, orange, slate,
// mauve, pink, grey, yellow
constexpr std::array<ContainerTheme, ContainerTheme::Count> Themes = {{
    {rgb(211, 224, 247), rgb(167, 197, 237), rgb(239, 244, 252), rgb(220, 232, 250),
     rgb(173, 193, 220), rgb(2, 45, 123)},
    {rgb(211, 220, 236), rgb(168, 186, 218), rgb(239, 242, 248), rgb(221, 229, 241),
     rgb(160, 180, 214), rgb(23, 42, 75)},
    {rgb(200, 229, 216), rgb(146, 203, 177), rgb(235, 245, 241), rgb(213, 235, 225),
     rgb(136, 198, 170), rgb(0, 59, 33)},
    {rgb(232, 234, 224), rgb(209, 214, 194), rgb(247, 248, 244), rgb(237, 239, 231),
     rgb(205, 211, 188), rgb(65, 71, 50)},
    {rgb(200, 227, 241), rgb(146, 201, 228), rgb(235, 245, 250), rgb(213, 234, 245),
     rgb(136, 196, 226), rgb(0, 57, 85)},
    {rgb(227, 242, 218), rgb(200, 229, 181), rgb(245, 250, 241), rgb(234, 245, 227),
     rgb(195, 227, 174), rgb(56, 87, 36)},
    {rgb(253, 226, 210), rgb(250, 198, 167), rgb(254, 245, 239), rgb(253, 233, 221),
     rgb(250, 192, 159), rgb(109, 54, 22)},
    {rgb(214, 227, 227), rgb(174, 201, 201), rgb(240, 245, 245), rgb(224, 234, 234),
     rgb(166, 196, 196), rgb(29, 57, 57)},
    {rgb(223, 215, 234), rgb(191, 176, 213), rgb(243, 241, 247), rgb(230, 225, 239),
     rgb(185, 169, 209), rgb(47, 32, 70)},
    {rgb(251, 210, 214), rgb(248, 166, 174), rgb(254, 239, 240), rgb(252, 221, 224),
     rgb(247, 158, 167), rgb(106, 21, 29)},
    {rgb(233, 234, 236), rgb(211, 214, 217), rgb(247, 247, 248), rgb(238, 239, 241),
     rgb(207, 210, 214), rgb(68, 71, 74)},
    {rgb(252, 250, 228), rgb(244, 238, 185), rgb(253, 252, 238), rgb(250, 247, 220),
     rgb(234, 225, 149), rgb(225, 213, 102)},
}};

} // namespace

std::optional<ContainerTheme> ContainerTheme::byNumber(int number)
{
    if (number < 0 || number >= Count)
        return std::nullopt;
    return Themes[std::size_t(number)];
}
