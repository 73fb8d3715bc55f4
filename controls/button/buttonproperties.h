#pragma once

#include "controls/button/buttoncodes.h"
#include "controls/button/buttonpicture.h"
#include "platform/gdi/gdicolor.h"

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
enum class ColorScheme : int {
    SystemColors = 1,
    CustomColors = 2,
    FixedGrey = 3,
    ParentColors = 4
};

enum class PicturePosition : int {
    PictureLeft = 0,
    PictureRight = 1,
    PictureTop = 2,
    PictureBottom = 3,
    PictureCenter = 4,
};

// Copies drawn behind the caption and the picture; 3 and above shadow,
// negative values none.
enum class SpecialEffect : int {
    EffectNone = 0,
    EffectRaised = 1,
    EffectSunken = 2,
    EffectShadow = 3
};

// What the button stores and persists: one member per stored property, in
// the order of KAVOButton::propertyTable. An initial value written here is
// that property's default. Numbers stay plain ints because a stored set may
// hold any number, and every number has a defined look.
struct ButtonProperties {
    static constexpr Gdi::ColorRef DefaultMaskColor = 0xC0C0C0; // light grey

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
    Gdi::ColorRef maskColor = DefaultMaskColor;
    short mousePointer = ButtonCodes::PointerDefault;
    ButtonPicture mouseIcon;
    ButtonPicture pictureNormal;
    ButtonPicture pictureOver;
    bool useMaskColor = true;
    bool softBevel = false;
    int picturePosition = int(PicturePosition::PictureLeft);
    bool useGreyscale = false;
    int specialEffect = int(SpecialEffect::EffectNone);
    bool handPointer = false;
    bool checkBoxBehaviour = false;
    bool value = false;

    bool is(ButtonType type) const { return buttonType == int(type); }
};
