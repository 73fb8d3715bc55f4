#pragma once

#include "controls/button/buttonstate.h"

// Draws whole frames of the button on its surface from a ButtonState. The
// looks themselves live in BevelLooks, XPStyleLook and ShapedLooks; they
// draw through the primitives here.
class ButtonPainter
{
public:
    enum class Look { Normal, Pressed, Disabled };

    // One complete frame for paintState (0 up, 2 down). Returns false, and
    // draws nothing, when neither state nor caption changed and force is
    // false, while painting is disabled, or when the surface has no height.
    // Checked check-box buttons are drawn down whatever is asked.
    static bool Paint(Gdi::Surface &surface, ButtonState &state, int paintState, bool force);

    ButtonPainter(Gdi::Surface &surface, ButtonState &state);

    Gdi::Surface &surface() { return m_surface; }
    ButtonState &state() { return m_state; }
    const ButtonState &state() const { return m_state; }
    const ButtonPalette &palette() const { return m_state.palette; }
    const ButtonGeometry &geometry() const { return m_state.geometry; }
    int W() const { return m_state.geometry.W; }
    int H() const { return m_state.geometry.H; }
    bool hovering() const { return m_state.isHovering; }
    bool defaultFlag() const { return m_state.displayAsDefault; }

    // Shades: S plain, SB with the blue channel scaled, T tinted.
    Gdi::ColorRef S(Gdi::ColorRef colour, int amount) const;
    Gdi::ColorRef SB(Gdi::ColorRef colour, int amount) const;
    static Gdi::ColorRef T(Gdi::ColorRef colour, int amount);

    void fill(int x, int y, int width, int height, Gdi::ColorRef colour);
    void frame(int x, int y, int width, int height, Gdi::ColorRef colour);
    // From (x1, y1) to just before (x2, y2).
    void line(int x1, int y1, int x2, int y2, Gdi::ColorRef colour);
    void pixel(int x, int y, Gdi::ColorRef colour);
    // The four inner corner pixels (1, 1), (1, H-2), (W-2, 1), (W-2, H-2).
    void innerCorners(Gdi::ColorRef colour);
    // A raised (light c1/c3, dark c2/c4) or sunken edge; inset 0 or -1
    // moves it one pixel in; single draws the outer level only.
    void Bevel(Gdi::ColorRef c1, Gdi::ColorRef c2, Gdi::ColorRef c3, Gdi::ColorRef c4, int inset,
               bool single);
    // Inscribed ellipse with a two-pixel outline.
    void ellipse(int x, int y, int width, int height, Gdi::ColorRef pen, Gdi::ColorRef brush);
    // The dotted focus rectangle on ContentRect, when focused and allowed.
    void FocusMark();
    void backgroundCopy();
    // Horizontal lines for rows 1..H with the base shifted by the rounded
    // -steps/H * y; bottomUp puts row y's colour at row H - y instead.
    void gradient(int steps, Gdi::ColorRef base, bool scaleBlue, bool bottomUp);

    // Caption in colour mode 0 to 7 (remembered in CaptionMode).
    void DrawCaption(int mode);
    // Mode 0 or 1 by hover.
    void normalCaption() { DrawCaption(hovering() ? 1 : 0); }
    // The caption text alone, in colour at rect.
    void captionText(const Gdi::Rect &rect, Gdi::ColorRef colour);

    // Rounds -k * y to the nearest integer, halves to even, k = steps / H
    // in single precision.
    static int gradientAmount(int steps, int height, int y);

private:
    void drawLook(Look look);
    void captionEffects(const Gdi::Rect &rect);

    Gdi::Surface &m_surface;
    ButtonState &m_state;
};
