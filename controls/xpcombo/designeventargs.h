#pragma once

#include <QPointF>
#include <Qt>

class QKeyEvent;

// The argument values the combo's events carry, from Qt's input events:
// mouse buttons 1 left, 2 right, 4 middle; shift state 1 shift, 2 ctrl,
// 4 alt; key codes as the virtual-key numbers forms compare against;
// positions in twips.
class DesignEventArgs {
public:
    static short buttons(Qt::MouseButtons buttons);
    static short shift(Qt::KeyboardModifiers modifiers);
    static short keyCode(const QKeyEvent *event);
    static float twips(qreal pixels);
};
