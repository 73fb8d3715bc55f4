#pragma once

#include "controls/button/buttonstate.h"

// The colour arithmetic every shade of the button is made with, and the
// palette built from it.
class ButtonColor
{
public:
    // Plain RGB of a colour value; a system colour reference becomes its
    // current value. A value that names no colour gives black.
    static Gdi::ColorRef TranslateColor(Gdi::ColorRef colour);

    // Adds amount to red and green, and to blue either the same amount or,
    // with scaleBlue, blue * amount / 192 (so darker blues move less).
    // softBevel halves amount first. Channels are capped at 255 for a
    // positive amount and floored at 0 for a negative one.
    static Gdi::ColorRef ShiftColor(Gdi::ColorRef colour, int amount, bool scaleBlue, bool softBevel);

    // A blend towards white by amount/255.
    static Gdi::ColorRef TintColor(Gdi::ColorRef colour, int amount);

    // Fills state.palette from the colour scheme, the colour properties,
    // the parent's colours and the look.
    static void ComputePalette(ButtonState &state);
};
