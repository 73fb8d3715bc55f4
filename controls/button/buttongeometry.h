#pragma once

#include "platform/gdi/gdirect.h"

// Pixel geometry of the client area; rectangles are right/bottom exclusive.
struct ButtonGeometry {
    int W = 0;
    int H = 0;
    Gdi::Rect ContentRect;
    Gdi::Rect LayoutRect;
    Gdi::Rect CaptionRect;
    Gdi::Rect PressedCaptionRect;
    int CaptionWidth = 0;
    int CaptionHeight = 0;
    int PictureX = 0;
    int PictureY = 0;
    int PictureWidth = 0;
    int PictureHeight = 0;
};
