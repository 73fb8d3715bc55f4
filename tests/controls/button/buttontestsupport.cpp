#include "buttontestsupport.h"

#include "controls/button/buttoncolor.h"
#include "controls/button/buttonlayout.h"
#include "controls/button/buttonpainter.h"

ButtonFrame ButtonCase::frame() const
{
    return {
        .properties = properties,
        .geometry = geometry,
        .palette = ButtonColor::FramePalette(properties, palette, isHovering),
        .isHovering = isHovering,
        .hasFocus = hasFocus,
        .paintingEnabled = paintingEnabled,
        .displayAsDefault = displayAsDefault,
    };
}

ButtonCase makeButton(int type, int width, int height, int scheme)
{
    ButtonCase button;
    button.properties.buttonType = type;
    button.properties.colorScheme = scheme;
    button.properties.font = crispFont();
    button.palette = ButtonColor::ComputePalette(button.properties);
    ButtonLayout::Resize(button.properties, button.geometry, width, height);
    return button;
}

bool paintOn(Gdi::Surface &surface, ButtonCase &button, int paintState, bool force)
{
    const auto drawn
        = ButtonPainter::Paint(surface, button.frame(), button.memory, paintState, force);
    if (drawn)
        button.memory = *drawn;
    return drawn.has_value();
}

Gdi::Surface paintFrame(ButtonCase &button, int paintState)
{
    Gdi::Surface surface(button.geometry.W, button.geometry.H, 0x123456);
    paintOn(surface, button, paintState, /*force*/ true);
    return surface;
}

ButtonPicture bitmap(int width, int height, const QList<Gdi::ColorRef> &pixels)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, Gdi::toQRgb(pixels[y * width + x]));
    return ButtonPicture(ButtonPicture::Kind::Bitmap, image);
}

QFont crispFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}
