#pragma once

#include "controls/button/buttonpainter.h"

// The looks made of bevels on a flat face: 1, 2, 6, 7, 8 and 12.
class BevelLooks {
public:
    using Look = ButtonPainter::Look;

    static void FramedRaised(ButtonPainter &p, Look look);
    static void Classic(ButtonPainter &p, Look look);
    static void SoftRaised(ButtonPainter &p, Look look);
    static void ThinRaised(ButtonPainter &p, Look look);
    static void FlatThin(ButtonPainter &p, Look look);
    static void Flat3D(ButtonPainter &p, Look look);
};
