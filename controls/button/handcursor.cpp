#include "controls/button/handcursor.h"

#include <QPixmap>

namespace {

// X outline, o fill, . transparent.
constexpr const char *Rows[] = {
    ".....XX..........", "....XooX.........", "....XooX.........", "....XooX.........",
    "....XooX.........", "....XooXXX.......", "....XooXooXXX....", "....XooXooXooXX..",
    ".XX.XooXooXooXoX.", "XooXXooooooooXooX", "XoooXoooooooooooX", ".XooXoooooooooooX",
    "..XoXoooooooooooX", "..XooooooooooooX.", "...XoooooooooooX.", "...XooooooooooX..",
    "....XoooooooooX..", "....XoooooooooX..", ".....XoooooooX...", ".....XXXXXXXXX...",
};

constexpr QPoint HotSpot(5, 0);

} // namespace

ButtonPicture HandCursor::picture()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    int y = 0;
    for (const char *row : Rows) {
        for (int x = 0; row[x] != '\0'; ++x) {
            if (row[x] == 'X')
                image.setPixel(x, y, qRgb(0, 0, 0));
            else if (row[x] == 'o')
                image.setPixel(x, y, qRgb(255, 255, 255));
        }
        ++y;
    }
    return ButtonPicture(ButtonPicture::Kind::Cursor, image, HotSpot);
}

QCursor HandCursor::cursor()
{
    const ButtonPicture hand = picture();
    return QCursor(QPixmap::fromImage(hand.image()), hand.hotSpot().x(), hand.hotSpot().y());
}
