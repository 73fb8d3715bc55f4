#include "buttontestsupport.h"

#include "controls/button/buttoncolor.h"
#include "controls/button/buttonlayout.h"
#include "controls/button/buttonpainter.h"

ButtonState makeState(int type, int width, int height, int scheme)
{
    ButtonState state;
    state.buttonType = type;
    state.colorScheme = scheme;
    state.font = crispFont();
    ButtonColor::ComputePalette(state);
    ButtonLayout::Resize(state, width, height);
    return state;
}

Gdi::Surface paintFrame(ButtonState &state, int paintState)
{
    Gdi::Surface surface(state.geometry.W, state.geometry.H, 0x123456);
    ButtonPainter::Paint(surface, state, paintState, true);
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
