#pragma once

#include "platform/gdi/gdicolor.h"

// RGB colours derived from the colour scheme and the colour properties.
struct ButtonPalette {
    Gdi::ColorRef FaceColor = 0;
    Gdi::ColorRef CaptionColor = 0;
    Gdi::ColorRef CaptionOverColor = 0;
    Gdi::ColorRef LightColor = 0;
    Gdi::ColorRef HighlightColor = 0;
    Gdi::ColorRef ShadowColor = 0;
    Gdi::ColorRef DarkShadowColor = 0;
    Gdi::ColorRef AccentColor = 0;
    Gdi::ColorRef AccentLightColor = 0;
    Gdi::ColorRef MaskColorValue = 0;
    Gdi::ColorRef GradientBaseColor = 0;
};
