#pragma once

#include "controls/button/buttonpainter.h"

// The looks with their own shapes and fills: 4, 5, 9, 11, 13 and 14.
class ShapedLooks {
public:
    using Look = ButtonPainter::Look;

    static void RoundedBorder(ButtonPainter &p, Look look);
    static void EtchedBold(ButtonPainter &p, Look look);
    static void FlatHighlight(ButtonPainter &p, Look look);
    static void Transparent(ButtonPainter &p, Look look);
    static void Round(ButtonPainter &p, Look look);
    static void Gradient(ButtonPainter &p, Look look);

private:
    static void roundedBorderStrokes(ButtonPainter &p);
    static void roundedBorderPressed(ButtonPainter &p);
    static void etchedFocusBox(ButtonPainter &p);
    static void gradientFace(ButtonPainter &p);
    static void boldDefaultCaption(ButtonPainter &p);
};
