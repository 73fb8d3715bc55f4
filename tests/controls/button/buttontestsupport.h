#pragma once

#include "controls/button/buttonstate.h"

#include <QImage>

// A state as a freshly laid-out button of the given look and size would
// have: palette computed, geometry from a resize, an empty caption (so no
// font decides a pixel) and painting enabled.
ButtonState makeState(int type, int width, int height, int scheme = 1);

// Paints one forced frame onto a new surface of the state's size.
Gdi::Surface paintFrame(ButtonState &state, int paintState = PaintUp);

// A bitmap picture with the given pixels (0x00BBGGRR, rows top-down).
ButtonPicture bitmap(int width, int height, const QList<Gdi::ColorRef> &pixels);

// A font without anti-aliasing, so caption pixels have exactly one colour.
QFont crispFont();
