#pragma once

#include "platform/gdi/surface.h"

// The four looks of the drop button, 17 by 17 pixels each: a face with a
// chevron pointing down in rows 6 to 11.
class ComboPictures {
public:
    enum Look { Normal = 0, Hot = 1, Pressed = 2, Disabled = 3 };

    static constexpr int Size = 17;
    static constexpr int ArrowTop = 6;
    static constexpr int ArrowRows = 6;
    static constexpr int ArrowLeft = 4;
    static constexpr int ArrowWidth = 9;

    static constexpr Gdi::ColorRef ArrowColour = Gdi::rgb(80, 104, 128);
    static constexpr Gdi::ColorRef DisabledArrowColour = Gdi::rgb(192, 168, 136);
    static constexpr Gdi::ColorRef NormalFace = Gdi::rgb(182, 211, 251);
    static constexpr Gdi::ColorRef HotFace = Gdi::rgb(220, 245, 255);
    static constexpr Gdi::ColorRef HotFrame = Gdi::rgb(151, 175, 225);
    static constexpr Gdi::ColorRef PressedFace = Gdi::rgb(152, 172, 241);
    static constexpr Gdi::ColorRef PressedShadow = Gdi::rgb(112, 132, 201);
    static constexpr Gdi::ColorRef PressedLight = Gdi::rgb(192, 207, 250);
    static constexpr Gdi::ColorRef DisabledFace = Gdi::rgb(236, 236, 228);

    static Gdi::Surface draw(Look look);
    // Whether the chevron covers (x, y) of a picture.
    static bool onArrow(int x, int y);
};
