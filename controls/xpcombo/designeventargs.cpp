#include "controls/xpcombo/designeventargs.h"

#include "platform/twips.h"
#include "platform/virtualkey.h"

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
        return short(VirtualKey::F1 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Backspace: return VirtualKey::Backspace;
    case Qt::Key_Tab: return VirtualKey::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VirtualKey::Return;
    case Qt::Key_Shift: return VirtualKey::Shift;
    case Qt::Key_Control: return VirtualKey::Control;
    case Qt::Key_Alt: return VirtualKey::Alt;
    case Qt::Key_Pause: return VirtualKey::Pause;
    case Qt::Key_CapsLock: return VirtualKey::CapsLock;
    case Qt::Key_Escape: return VirtualKey::Escape;
    case Qt::Key_PageUp: return VirtualKey::PageUp;
    case Qt::Key_PageDown: return VirtualKey::PageDown;
    case Qt::Key_End: return VirtualKey::End;
    case Qt::Key_Home: return VirtualKey::Home;
    case Qt::Key_Left: return VirtualKey::Left;
    case Qt::Key_Up: return VirtualKey::Up;
    case Qt::Key_Right: return VirtualKey::Right;
    case Qt::Key_Down: return VirtualKey::Down;
    case Qt::Key_Insert: return VirtualKey::Insert;
    case Qt::Key_Delete: return VirtualKey::Delete;
    // Key codes are 16-bit signed: the native number without the sign.
    default: return short(event->nativeVirtualKey() & 0x7FFF);
    }
}

float DesignEventArgs::twips(qreal pixels)
{
    return float(pixels * Twips::PerPixel);
}
