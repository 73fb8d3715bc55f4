#pragma once

#include "controls/button/buttonpicture.h"
#include "platform/gdi/gdirect.h"
#include "platform/gdi/surface.h"

#include <QFont>
#include <QString>

// The fourteen looks; the ButtonType property holds one of these numbers
// (any other number paints the face and the picture only).
enum class ButtonType : int {
    FramedRaised = 1,
    Classic = 2,
    XPStyle = 3,
    RoundedBorder = 4,
    EtchedBold = 5,
    SoftRaised = 6,
    ThinRaised = 7,
    FlatThin = 8,
    FlatHighlight = 9,
    PictureOnly = 10,
    Transparent = 11,
    Flat3D = 12,
    Round = 13,
    Gradient = 14,
};

// Where the palette comes from; numbers other than 2 to 4 act as 1.
enum class ColorScheme : int { SystemColors = 1, CustomColors = 2, FixedGrey = 3, ParentColors = 4 };

enum class PicturePosition : int {
    PictureLeft = 0,
    PictureRight = 1,
    PictureTop = 2,
    PictureBottom = 3,
    PictureCenter = 4,
};

// Copies drawn behind the caption and the picture; 3 and above shadow,
// negative values none.
enum class SpecialEffect : int { EffectNone = 0, EffectRaised = 1, EffectSunken = 2, EffectShadow = 3 };

// The two states the painter is asked for.
enum PaintState : int { PaintUp = 0, PaintDown = 2 };

// RGB colours derived from the colour scheme and the colour properties.
struct ButtonPalette {
    Gdi::ColorRef FaceColor = 0;
    Gdi::ColorRef CaptionColor = 0;
    Gdi::ColorRef CaptionOverColor = 0;
    Gdi::ColorRef LightColor = 0;
    Gdi::ColorRef HighlightColor = 0;
    Gdi::ColorRef ShadowColor = 0;
    Gdi::ColorRef DarkShadowColor = 0;
    Gdi::ColorRef AccentColor = 0;
    Gdi::ColorRef AccentLightColor = 0;
    Gdi::ColorRef MaskColorValue = 0;
    Gdi::ColorRef GradientBaseColor = 0;
};

// Pixel geometry of the client area; rectangles are right/bottom exclusive.
struct ButtonGeometry {
    int W = 0;
    int H = 0;
    Gdi::Rect ContentRect;
    Gdi::Rect LayoutRect;
    Gdi::Rect CaptionRect;
    Gdi::Rect PressedCaptionRect;
    int CaptionWidth = 0;
    int CaptionHeight = 0;
    int PictureX = 0;
    int PictureY = 0;
    int PictureWidth = 0;
    int PictureHeight = 0;
};

// Everything the palette, layout and painting code reads and writes: the
// property values, the interaction state, and what the host tells us.
// KAVOButton owns one and keeps it current; tests fill one by hand.
struct ButtonState {
    // Property values.
    int buttonType = int(ButtonType::Classic);
    QString caption;
    bool enabled = true;
    QFont font;
    int colorScheme = int(ColorScheme::SystemColors);
    bool showFocusRect = true;
    Gdi::ColorRef backColor = 0;
    Gdi::ColorRef backOver = 0;
    Gdi::ColorRef foreColor = 0;
    Gdi::ColorRef foreOver = 0;
    Gdi::ColorRef maskColor = 0xC0C0C0;
    bool softBevel = false;
    ButtonPicture pictureNormal;
    ButtonPicture pictureOver;
    bool useMaskColor = true;
    int picturePosition = int(PicturePosition::PictureLeft);
    bool useGreyscale = false;
    int specialEffect = int(SpecialEffect::EffectNone);
    bool checkBoxBehaviour = false;
    bool value = false;

    // Interaction.
    bool isHovering = false;
    bool hasFocus = false;
    bool paintingEnabled = true;

    // From the host, refreshed before every frame.
    bool displayAsDefault = false;
    Gdi::ColorRef parentBackColor = 0xFFFFFF; // the ParentColors scheme reads these
    Gdi::ColorRef parentTextColor = 0x000000;
    Gdi::ColorRef clearColor = 0xFFFFFF;       // what a frame starts from
    const Gdi::Surface *background = nullptr;  // Transparent looks copy this

    // Written by the painter.
    int LastPaintedState = PaintUp;
    QString LastPaintedCaption;
    int CaptionMode = 0;

    ButtonGeometry geometry;
    ButtonPalette palette;

    bool is(ButtonType type) const { return buttonType == int(type); }
};
