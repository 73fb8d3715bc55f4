#pragma once

#include <QCursor>
#include <QString>

class QKeyEvent;

// Translations between Qt's input and the numbers the button's events
// carry: virtual key codes, Shift masks (1 Shift, 2 Ctrl, 4 Alt) and
// mouse button masks (1 left, 2 right, 4 middle).
namespace ButtonInput {

short keyCode(const QKeyEvent &event);
short shiftState(Qt::KeyboardModifiers modifiers);
short mouseButton(Qt::MouseButton button);
short mouseButtons(Qt::MouseButtons buttons);

// The access key of a caption in lower case, or "" for none: the
// character after the first single "&"; after a leading "&&" the character
// after the next "&", unless that one is doubled too.
QString accessKey(const QString &caption);

// The pointer for a MousePointer number; 0 is the default pointer and 99
// the custom one, which the caller supplies.
QCursor pointerShape(int mousePointer);

} // namespace ButtonInput
