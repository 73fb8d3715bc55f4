#pragma once

#include "controls/button/buttonpainter.h"

#include <optional>

// Draws the button's pictures as the last step of a frame, composing them
// pixel by pixel with what is already on the surface.
class PicturePainter {
public:
    enum Mode { Normal = 0, Pressed = 1, Disabled = 2 };

    // How one copy of a picture is composed.
    struct Blit {
        Gdi::ColorRef transparent = 0;      // pixels of this colour are skipped
        bool useMask = true;                // ... when this is set
        std::optional<Gdi::ColorRef> solid; // a one-colour silhouette
        bool threshold = false;             // silhouette of dark pixels only
        bool greyscale = false;
        bool blend = false;               // two parts picture, one part surface
        Gdi::ColorRef iconBackground = 0; // what icons are composed on
    };

    // The picture for mode (normal, pressed, disabled), with its effect
    // copies, at PictureX/PictureY; a centred picture gets the caption
    // drawn again over it.
    static void DrawPicture(ButtonPainter &p, Mode mode);

    // The SpecialEffect silhouettes of picture around (PictureX + offset,
    // PictureY + offset).
    static void PictureEffect(ButtonPainter &p, int offset, const ButtonPicture &picture);

    // Composes the top-left width x height pixels of picture onto surface
    // at (x, y). Nothing outside that box changes; an empty box does nothing.
    static void BlitPicture(Gdi::Surface &surface, int x, int y, int width, int height,
                            const ButtonPicture &picture, const Blit &how);

    // round(round(0.3 red) + 0.59 green + 0.11 blue), halves to even.
    static int grey(int red, int green, int blue);

private:
    static Blit plain(const ButtonPainter &p);
    static void blit(ButtonPainter &p, int x, int y, const ButtonPicture &picture, const Blit &how);
};
