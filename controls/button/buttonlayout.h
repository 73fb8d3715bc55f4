#pragma once

#include "controls/button/buttongeometry.h"
#include "controls/button/buttonproperties.h"
#include "platform/gdi/surface.h"

#include <QRegion>

// The button's geometry: content rectangle, window region, caption and
// picture placement. Everything reads the properties and writes the
// geometry.
class ButtonLayout {
public:
    // The text actually measured and drawn for a caption: its first N bytes
    // in the ANSI code page (GB18030), N being its character count. Padded
    // Chinese captions ("确定  ") rely on this; a double-byte character cut
    // in half is left out.
    static QString ansiCaption(const QString &caption);
    // Text flags of every caption measurement and drawing.
    static constexpr unsigned CaptionFlags
        = Gdi::TextCenter | Gdi::TextWordBreak | Gdi::TextVCenter;

    // The client rectangle inset for the look: 3 for types 7 to 13, 5 and
    // moved by (1, 1) for 14, 4 for everything else.
    static Gdi::Rect ContentRect(int buttonType, int width, int height);

    // What a resize computes before the region and the repaint: W, H,
    // ContentRect and the caption layout.
    static void Resize(const ButtonProperties &properties, ButtonGeometry &geometry, int width,
                       int height);

    // The window region: the full rectangle less a few corner pixels, or
    // the inscribed ellipse for Round (rasterised like the painter's
    // ellipse, so face and region agree).
    static QRegion BuildRegion(int buttonType, int width, int height);

    // Measures the caption in the font and centres it, leaving room for the
    // picture by PicturePosition, then places the picture.
    static void LayoutCaption(const ButtonProperties &properties, ButtonGeometry &geometry);
    // PictureWidth/Height from PictureNormal's HiMetric size.
    static void MeasurePicture(const ButtonProperties &properties, ButtonGeometry &geometry);
    static void PlacePicture(const ButtonProperties &properties, ButtonGeometry &geometry);

    // Positions outside 0 to 4 are treated as PictureCenter.
    static PicturePosition effectivePosition(int picturePosition);
};
