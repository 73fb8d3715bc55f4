#include "controls/xpcombo/combopictures.h"

#include <algorithm>

bool ComboPictures::onArrow(int x, int y)
{
    // Two arms, two or three pixels thick, meeting in the middle column:
    // row r of the left arm covers columns r-1 to r+1 of the arrow, clipped
    // to the middle; the right arm mirrors it.
    const int row = y - ArrowTop;
    const int column = x - ArrowLeft;
    if (row < 0 || row >= ArrowRows || column < 0 || column >= ArrowWidth)
        return false;
    const int middle = ArrowWidth / 2;
    const int fromMiddle = std::min(column, ArrowWidth - 1 - column);
    return fromMiddle >= std::max(0, row - 1) && fromMiddle <= std::min(middle, row + 1);
}

Gdi::Surface ComboPictures::draw(Look look)
{
    const Gdi::Rect all = Gdi::Rect::box(0, 0, Size, Size);
    Gdi::Surface picture(Size, Size);
    Gdi::ColorRef arrow = ArrowColour;
    switch (look) {
    case Normal: picture.fillRect(all, NormalFace); break;
    case Hot:
        picture.fillRect(all, HotFace);
        picture.frameRect(all, HotFrame);
        break;
    case Pressed:
        // Sunken: shadow along the top and left, light along the bottom
        // and right.
        picture.fillRect(all, PressedFace);
        picture.line(0, 0, Size, 0, PressedShadow);
        picture.line(0, 0, 0, Size, PressedShadow);
        picture.line(1, Size - 1, Size, Size - 1, PressedLight);
        picture.line(Size - 1, 1, Size - 1, Size - 1, PressedLight);
        break;
    case Disabled:
        picture.fillRect(all, DisabledFace);
        arrow = DisabledArrowColour;
        break;
    }
    for (int y = ArrowTop; y < ArrowTop + ArrowRows; ++y)
        for (int x = ArrowLeft; x < ArrowLeft + ArrowWidth; ++x)
            if (onArrow(x, y))
                picture.setPixel(x, y, arrow);
    return picture;
}
