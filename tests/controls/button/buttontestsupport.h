#pragma once

#include "controls/button/buttonframe.h"
#include "controls/button/paintmemory.h"

#include <QImage>

// A button made by hand: what the control keeps between frames, from
// which each paint builds its frame as the control would.
struct ButtonCase {
    ButtonProperties properties;
    ButtonPalette palette;
    ButtonGeometry geometry;
    bool isHovering = false;
    bool hasFocus = false;
    bool paintingEnabled = true;
    bool displayAsDefault = false;
    PaintMemory memory;

    ButtonFrame frame() const;
};

// A button as a freshly laid-out one of the given look and size would be:
// palette computed, geometry from a resize, an empty caption (so no font
// decides a pixel) and painting enabled.
ButtonCase makeButton(int type, int width, int height, int scheme = 1);

// Paints one frame onto surface and keeps what the painter returns;
// whether it drew.
bool paintOn(Gdi::Surface &surface, ButtonCase &button, int paintState, bool force);
// Paints one forced frame onto a new surface of the button's size.
Gdi::Surface paintFrame(ButtonCase &button, int paintState = PaintUp);

// A bitmap picture with the given pixels (0x00BBGGRR, rows top-down).
ButtonPicture bitmap(int width, int height, const QList<Gdi::ColorRef> &pixels);

// A font without anti-aliasing, so caption pixels have exactly one colour.
QFont crispFont();
