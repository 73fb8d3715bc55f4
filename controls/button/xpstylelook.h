#pragma once

#include "controls/button/buttonpainter.h"

// The gradient look with the dark blue rounded border and the orange,
// blue or shaded rim (type 3).
class XPStyleLook {
public:
    static void XPStyle(ButtonPainter &p, ButtonPainter::Look look);

private:
    static void normal(ButtonPainter &p);
    static void pressed(ButtonPainter &p);
    static void disabled(ButtonPainter &p);
    // The six rim strokes shared by the orange and the blue rim.
    static void rim(ButtonPainter &p, const Gdi::ColorRef (&colours)[6]);
};
