#pragma once

#include "platform/gdi/surface.h"

#include <QFont>
#include <QString>

// Sizes of the panel's parts, recomputed on every layout.
struct ContainerLayout {
    static constexpr int HeaderLeft = 1;
    static constexpr int HeaderTop = 1;
    static constexpr int HeaderHeight = 23;
    static constexpr int BodyTop = 24;
    static constexpr int CaptionLeft = 6; // within the header

    int headerWidth = 0;
    int captionTop = 0; // within the header
    int bodyWidth = 0;
    int bodyHeight = 0;
};

// What the panel painter reads.
struct ContainerState {
    // Style 0 has the header strip; any other style is body only.
    static constexpr int HeaderStyle = 0;

    Gdi::ColorRef headerLightColor = 0;
    Gdi::ColorRef headerDarkColor = 0;
    Gdi::ColorRef backLightColor = 0;
    Gdi::ColorRef backDarkColor = 0;
    Gdi::ColorRef borderColor = 0;
    Gdi::ColorRef textColor = 0;
    QString caption;
    int style = HeaderStyle;
    QFont captionFont;
    ContainerLayout layout;
};

// Draws the panel: header gradient and caption, body gradient, border. A
// step whose colour does not translate is left out; the others still draw.
class ContainerPainter {
public:
    static void paint(Gdi::Surface &surface, const ContainerState &state);

    // One line per row from firstRow to lastRow, from start towards end in
    // `steps` steps, each channel rounded half to even. Draws nothing when
    // steps is 0 or a colour does not translate.
    static void verticalGradient(Gdi::Surface &surface, Gdi::ColorRef start, Gdi::ColorRef end,
                                 int firstRow, int lastRow, int steps, int rowEnd);

    // The caption's height in the caption font, for centring it.
    static int captionHeight(const QFont &font, const QString &caption);

private:
    static void paintHeader(Gdi::Surface &surface, const ContainerState &state);
    static void paintBody(Gdi::Surface &surface, const ContainerState &state);
    static void paintBorder(Gdi::Surface &surface, const ContainerState &state);
};
