#include "controls/button/buttoninput.h"

#include "controls/button/buttoncodes.h"
#include "platform/virtualkey.h"

#include <QKeyEvent>

namespace ButtonInput {

short keyCode(const QKeyEvent &event)
{
    const int key = event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)
        || key == Qt::Key_Space)
        return short(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return short(112 + key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return VirtualKey::Left;
    case Qt::Key_Up: return VirtualKey::Up;
    case Qt::Key_Right: return VirtualKey::Right;
    case Qt::Key_Down: return VirtualKey::Down;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return 0;
    }
}

short shiftState(Qt::KeyboardModifiers modifiers)
{
    short shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= ButtonCodes::ShiftMask;
    if (modifiers & Qt::ControlModifier)
        shift |= ButtonCodes::CtrlMask;
    if (modifiers & Qt::AltModifier)
        shift |= ButtonCodes::AltMask;
    return shift;
}

short mouseButton(Qt::MouseButton button)
{
    return mouseButtons(button);
}

short mouseButtons(Qt::MouseButtons buttons)
{
    short mask = 0;
    if (buttons & Qt::LeftButton)
        mask |= ButtonCodes::LeftButton;
    if (buttons & Qt::RightButton)
        mask |= ButtonCodes::RightButton;
    if (buttons & Qt::MiddleButton)
        mask |= ButtonCodes::MiddleButton;
    return mask;
}

QString accessKey(const QString &caption)
{
    if (caption.size() <= 1)
        return {};
    const qsizetype first = caption.indexOf('&');
    if (first < 0 || first == caption.size() - 1)
        return {};
    if (caption[first + 1] != '&')
        return caption.mid(first + 1, 1).toLower();
    // "&&" shows a literal ampersand; the key may follow a later "&".
    const qsizetype next = caption.indexOf('&', first + 2);
    if (next < 0)
        return {};
    if (next + 1 < caption.size() && caption[next + 1] == '&')
        return {};
    return caption.mid(next + 1, 1).toLower();
}

QCursor pointerShape(int mousePointer)
{
    switch (mousePointer) {
    case 2: return Qt::CrossCursor;
    case 3: return Qt::IBeamCursor;
    case 5:
    case 15: return Qt::SizeAllCursor;
    case 6: return Qt::SizeBDiagCursor;
    case 7: return Qt::SizeVerCursor;
    case 8: return Qt::SizeFDiagCursor;
    case 9: return Qt::SizeHorCursor;
    case 10: return Qt::UpArrowCursor;
    case 11: return Qt::WaitCursor;
    case 12: return Qt::ForbiddenCursor;
    case 13: return Qt::BusyCursor;
    case 14: return Qt::WhatsThisCursor;
    default: return Qt::ArrowCursor;
    }
}

} // namespace ButtonInput
