#pragma once

#include <QImage>
#include <QSize>

class UserControl;

// Puts a control through what a window does to it (sized, then shown, off
// screen) so that it paints itself, and hands out its pixels.
class ControlRenderer {
public:
    static void place(UserControl &control, QSize size);
    static QImage capture(UserControl &control);
};
