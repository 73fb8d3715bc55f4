#pragma once

#include "controls/button/buttonframe.h"
#include "controls/button/paintmemory.h"

#include <optional>

// Draws whole frames of the button on its surface from a ButtonFrame, which
// it never changes. The looks themselves live in BevelLooks, XPStyleLook
// and ShapedLooks; they draw through the primitives here.
class ButtonPainter {
public:
    enum class Look { Normal, Pressed, Disabled };

    // One complete frame for paintState (0 up, 2 down), given what the
    // last frame left. Returns what the caller keeps for the next request;
    // returns nothing, and draws nothing, when neither state nor caption
    // changed and force is false, while painting is disabled, or when the
    // surface has no height. Checked check-box buttons are drawn down
    // whatever is asked.
    static std::optional<PaintMemory> Paint(Gdi::Surface &surface, const ButtonFrame &frame,
                                            const PaintMemory &last, int paintState, bool force);

    // captionMode is the mode a caption drawn again over a centred picture
    // takes until this frame draws a caption of its own.
    ButtonPainter(Gdi::Surface &surface, const ButtonFrame &frame, int paintState,
                  CaptionColorMode captionMode);

    Gdi::Surface &surface() { return m_surface; }
    // What this frame is drawn from.
    const ButtonFrame &input() const { return m_frame; }
    const ButtonProperties &properties() const { return m_frame.properties; }
    const ButtonPalette &palette() const { return m_frame.palette; }
    const ButtonGeometry &geometry() const { return m_frame.geometry; }
    int W() const { return m_frame.geometry.W; }
    int H() const { return m_frame.geometry.H; }
    int paintState() const { return m_paintState; }
    bool hovering() const { return m_frame.isHovering; }
    bool defaultFlag() const { return m_frame.displayAsDefault; }
    CaptionColorMode captionMode() const { return m_captionMode; }
    // For a caption that another painter drew on this frame.
    void setCaptionMode(CaptionColorMode mode) { m_captionMode = mode; }

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

    // The caption in mode, which is remembered. The effect copies are
    // shaded from effectBase when given, otherwise from the look's face.
    void DrawCaption(CaptionColorMode mode, std::optional<Gdi::ColorRef> effectBase = std::nullopt);
    // Normal or Hover by hover.
    void normalCaption()
    {
        DrawCaption(hovering() ? CaptionColorMode::Hover : CaptionColorMode::Normal);
    }
    // The caption text alone, in colour at rect.
    void captionText(const Gdi::Rect &rect, Gdi::ColorRef colour);

    // Rounds -k * y to the nearest integer, halves to even, k = steps / H
    // in single precision.
    static int gradientAmount(int steps, int height, int y);

private:
    void drawLook(Look look);
    Gdi::ColorRef effectBase() const;
    void captionEffects(const Gdi::Rect &rect, Gdi::ColorRef base);

    Gdi::Surface &m_surface;
    const ButtonFrame &m_frame;
    const int m_paintState;
    CaptionColorMode m_captionMode;
};
