#pragma once

#include "controls/button/buttoncolor.h"
#include "controls/button/buttongeometry.h"
#include "controls/button/buttonpalette.h"
#include "controls/button/buttonproperties.h"
#include "platform/gdi/surface.h"

// The two states the painter is asked for.
enum PaintState : int { PaintUp = 0, PaintDown = 2 };

// Everything one frame is drawn from. The control builds one for every
// paint; the painter only reads it.
struct ButtonFrame {
    const ButtonProperties &properties;
    const ButtonGeometry &geometry;
    // The palette of this frame: a hovered custom-colour button is drawn
    // from BackOver (ButtonColor::FramePalette).
    ButtonPalette palette;
    bool isHovering = false;
    bool hasFocus = false;
    bool paintingEnabled = true;
    bool displayAsDefault = false;                 // the host's answer for this frame
    Gdi::ColorRef clearColor = ButtonColor::White; // what a frame starts from
    const Gdi::Surface *background = nullptr;      // Transparent looks copy this

    bool is(ButtonType type) const { return properties.is(type); }

    // The same frame with another caption layout (a bold default caption).
    ButtonFrame withLayout(const ButtonProperties &other, const ButtonGeometry &otherGeometry) const
    {
        return {other,           otherGeometry,    palette,    isHovering, hasFocus,
                paintingEnabled, displayAsDefault, clearColor, background};
    }
};
