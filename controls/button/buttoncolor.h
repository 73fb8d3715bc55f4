#pragma once

#include "controls/button/buttonpalette.h"
#include "controls/button/buttonproperties.h"

// The colour arithmetic every shade of the button is made with, and the
// palette built from it.
class ButtonColor {
public:
    static constexpr Gdi::ColorRef White = 0xFFFFFF;
    static constexpr Gdi::ColorRef Black = 0x000000;

    // The background and text colours of the parent window, which the
    // ParentColors scheme takes.
    struct ParentColors {
        Gdi::ColorRef back = White;
        Gdi::ColorRef text = Black;
    };

    // Plain RGB of a colour value; a system colour reference becomes its
    // current value. A value that names no colour gives black.
    static Gdi::ColorRef TranslateColor(Gdi::ColorRef colour);

    // Adds amount to red and green, and to blue either the same amount or,
    // with scaleBlue, blue * amount / 192 (so darker blues move less).
    // softBevel halves amount first. Channels are capped at 255 for a
    // positive amount and floored at 0 for a negative one.
    static Gdi::ColorRef ShiftColor(Gdi::ColorRef colour, int amount, bool scaleBlue,
                                    bool softBevel);

    // A blend towards white by amount/255.
    static Gdi::ColorRef TintColor(Gdi::ColorRef colour, int amount);

    // The palette of the colour scheme, the colour properties, the
    // parent's colours and the look.
    static ButtonPalette ComputePalette(const ButtonProperties &properties,
                                        const ParentColors &parent);
    // With a white parent writing in black.
    static ButtonPalette ComputePalette(const ButtonProperties &properties);

    // The palette one frame is drawn with: the stored one, except that a
    // hovered custom-colour button is drawn entirely from BackOver.
    static ButtonPalette FramePalette(const ButtonProperties &properties,
                                      const ButtonPalette &stored, bool hovering);
};
