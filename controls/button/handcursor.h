#pragma once

#include "controls/button/buttonpicture.h"

#include <QCursor>

// The program's own pointing-hand pointer, drawn here pixel by pixel.
class HandCursor {
public:
    // 32x32 with the hot spot on the tip of the index finger.
    static ButtonPicture picture();
    static QCursor cursor();
};
