#pragma once

#include "controls/button/buttonframe.h"

#include <QString>

// The colours and offsets a caption is drawn with; a look picks one per
// frame.
enum class CaptionColorMode : int {
    Normal = 0,          // CaptionColor, with the effect copies
    Hover = 1,           // CaptionOverColor, with the effect copies
    Pressed = 2,         // moved by (1, 1), with the effect copies
    Embossed = 3,        // HighlightColor copy moved by (1, 1) under ShadowColor
    Greyed = 4,          // ShadowColor only
    GradientGreyed = 5,  // a dark shade of GradientBaseColor
    FaceEmbossed = 6,    // HighlightColor copy moved by (1, 1) under FaceColor
    PressedGradient = 7, // dark shadow copy moved by (1, 1) under HighlightColor
};

// What the painter remembers from one frame to the next. The painter
// returns a new one for each frame it draws; the control keeps it and
// hands it back with the next request.
struct PaintMemory {
    int LastPaintedState = PaintUp;
    QString LastPaintedCaption;
    // A centred picture draws the caption again in this mode, also when
    // its own frame drew the caption without one.
    CaptionColorMode CaptionMode = CaptionColorMode::Normal;
};
