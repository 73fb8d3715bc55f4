#include "controls/xpcombo/designeventargs.h"

#include "platform/twips.h"

#include <QKeyEvent>

short DesignEventArgs::buttons(Qt::MouseButtons buttons)
{
    short value = 0;
    if (buttons & Qt::LeftButton)
        value |= 1;
    if (buttons & Qt::RightButton)
        value |= 2;
    if (buttons & Qt::MiddleButton)
        value |= 4;
    return value;
}

short DesignEventArgs::shift(Qt::KeyboardModifiers modifiers)
{
    short value = 0;
    if (modifiers & Qt::ShiftModifier)
        value |= 1;
    if (modifiers & Qt::ControlModifier)
        value |= 2;
    if (modifiers & Qt::AltModifier)
        value |= 4;
    return value;
}

short DesignEventArgs::keyCode(const QKeyEvent *event)
{
    const int key = event->key();
    // Letters, digits and the blank share their numbers with Qt's keys.
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)
        || key == Qt::Key_Space)
        return short(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return short(0x70 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Backspace: return 0x08;
    case Qt::Key_Tab: return 0x09;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 0x0D;
    case Qt::Key_Shift: return 0x10;
    case Qt::Key_Control: return 0x11;
    case Qt::Key_Alt: return 0x12;
    case Qt::Key_Pause: return 0x13;
    case Qt::Key_CapsLock: return 0x14;
    case Qt::Key_Escape: return 0x1B;
    case Qt::Key_PageUp: return 0x21;
    case Qt::Key_PageDown: return 0x22;
    case Qt::Key_End: return 0x23;
    case Qt::Key_Home: return 0x24;
    case Qt::Key_Left: return 0x25;
    case Qt::Key_Up: return 0x26;
    case Qt::Key_Right: return 0x27;
    case Qt::Key_Down: return 0x28;
    case Qt::Key_Insert: return 0x2D;
    case Qt::Key_Delete: return 0x2E;
    default: return short(event->nativeVirtualKey() & 0x7FFF);
    }
}

float DesignEventArgs::twips(qreal pixels)
{
    return float(pixels * Twips::PerPixel);
}
