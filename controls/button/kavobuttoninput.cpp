// KAVOButton's input handling: mouse, hover tracking, keyboard, focus and
// the access key.
#include "controls/button/buttoncodes.h"
#include "controls/button/buttoninput.h"
#include "controls/button/kavobutton.h"
#include "platform/virtualkey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

using ButtonCodes::LeftButton;
using ButtonCodes::RightButton;

bool KAVOButton::IsPointerOver() const
{
    return QApplication::widgetAt(QCursor::pos()) == this;
}

void KAVOButton::updateAccessKey()
{
    if (m_shortcutId != 0) {
        releaseShortcut(m_shortcutId);
        m_shortcutId = 0;
    }
    m_accessKey = ButtonInput::accessKey(m_properties.caption);
    if (!m_accessKey.isEmpty())
        m_shortcutId = grabShortcut(QKeySequence::mnemonic(QStringLiteral("&") + m_accessKey));
}

bool KAVOButton::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut
        && static_cast<QShortcutEvent *>(event)->shortcutId() == m_shortcutId
        && m_shortcutId != 0) {
        m_lastMouseButton = LeftButton;
        m_clickedByKeyboard = true;
        clickHandling();
        return true;
    }
    return UserControl::event(event);
}

void KAVOButton::mouseDownHandling(short button, short shift, float x, float y)
{
    emit MouseDown(button, shift, x, y);
    m_lastMouseButton = button & 0xFF;
    if (button != RightButton)
        Paint(PaintDown, false);
}

void KAVOButton::clickHandling()
{
    if (m_lastMouseButton != LeftButton || !m_properties.enabled)
        return;
    if (m_properties.checkBoxBehaviour)
        m_properties.value = !m_properties.value;
    Paint(PaintUp, false);
    repaint();
    emit Click();
}

void KAVOButton::mousePressEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    mouseDownHandling(ButtonInput::mouseButton(event->button()),
                      ButtonInput::shiftState(event->modifiers()), float(at.x()), float(at.y()));
    m_clickPending = true;
}

void KAVOButton::mouseDoubleClickEvent(QMouseEvent *)
{
    // The second press of a double click brings no click of its own: it
    // shows the pressed look, and its release arrives through Qt's
    // implicit grab of the mouse.
    m_clickPending = false;
    if (m_lastMouseButton == LeftButton)
        mouseDownHandling(LeftButton, 0, 0, 0);
}

void KAVOButton::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    short button = ButtonInput::mouseButton(event->button());
    short shift = ButtonInput::shiftState(event->modifiers());
    float x = float(at.x());
    float y = float(at.y());
    emit MouseUp(button, shift, x, y);
    // A release may come off the button without a move before it.
    wakeOverTimer();
    if (button != RightButton)
        Paint(PaintUp, false);
    // A release outside the button is no click.
    const bool click = m_clickPending && rect().contains(at.toPoint());
    m_clickPending = false;
    m_clickedByKeyboard = false;
    if (click)
        clickHandling();
}

void KAVOButton::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    short button = ButtonInput::mouseButtons(event->buttons());
    short shift = ButtonInput::shiftState(event->modifiers());
    float x = float(at.x());
    float y = float(at.y());
    emit MouseMove(button, shift, x, y);
    // Any move ends a rest, with or without buttons held: a drag off the
    // button is for the poll to notice, as a plain move off is.
    wakeOverTimer();
    if (button != 0 && button != LeftButton)
        return;
    if (!IsPointerOver()) {
        Paint(PaintUp, false);
    } else if (button == 0 && !m_isHovering) {
        startOverTimer();
        m_isHovering = true;
        Paint(PaintUp, true);
        emit MouseOver();
    } else if (button == LeftButton) {
        // Back on the button with the left button held: pressed, without
        // counting as hover.
        m_isHovering = true;
        Paint(PaintDown, false);
        m_isHovering = false;
    }
}

// A pointer resting on the button costs nothing: the timer sleeps until the
// pointer moves again, and the Leave event ends the hover meanwhile.
void KAVOButton::overTimerTick()
{
    if (!IsPointerOver())
        return endHover();
    const QPoint pointer = QCursor::pos();
    if (pointer == m_polledPointer) {
        m_overTimer.stop();
        m_overTimerResting = true;
    }
    m_polledPointer = pointer;
}

void KAVOButton::startOverTimer()
{
    m_overTimerResting = false;
    m_overTimer.start();
}

// Only a resting poll wakes: a stopped one has already raised MouseOut.
void KAVOButton::wakeOverTimer()
{
    if (m_overTimerResting)
        startOverTimer();
}

// Some window systems stop reporting the pointer once it has left the
// window, so the timer alone could keep the hover look for good.
void KAVOButton::leaveEvent(QEvent *event)
{
    UserControl::leaveEvent(event);
    if (m_isHovering)
        endHover();
}

void KAVOButton::endHover()
{
    m_overTimer.stop();
    m_overTimerResting = false;
    m_isHovering = false;
    Paint(PaintUp, true);
    emit MouseOut();
}

void KAVOButton::keyPressEvent(QKeyEvent *event)
{
    short keyCode = ButtonInput::keyCode(*event);
    short shift = ButtonInput::shiftState(event->modifiers());
    emit KeyDown(keyCode, shift);
    m_lastKeyCode = keyCode & 0xFF;
    switch (keyCode) {
    case VirtualKey::Space: Paint(PaintDown, false); break;
    // Return presses at once, as it does a focused push button; a held key
    // does not press again.
    case VirtualKey::Return:
        if (!event->isAutoRepeat())
            clickFromKeyboard();
        break;
    case VirtualKey::Left:
    case VirtualKey::Up: focusNextPrevChild(false); break;
    case VirtualKey::Right:
    case VirtualKey::Down: focusNextPrevChild(true); break;
    default:
        // Escape and the rest are the window's business.
        event->ignore();
        break;
    }
    const QString text = event->text();
    if (text.size() == 1) {
        short keyAscii = short(text[0].unicode());
        emit KeyPress(keyAscii);
    }
}

void KAVOButton::keyReleaseEvent(QKeyEvent *event)
{
    // Held keys repeat their presses only.
    if (event->isAutoRepeat())
        return;
    short keyCode = ButtonInput::keyCode(*event);
    short shift = ButtonInput::shiftState(event->modifiers());
    emit KeyUp(keyCode, shift);
    if (m_lastKeyCode != VirtualKey::Space || keyCode != VirtualKey::Space) {
        event->ignore();
        return;
    }
    // One press, one click: a later stray release must not click again.
    m_lastKeyCode = 0;
    clickFromKeyboard();
}

void KAVOButton::clickFromKeyboard()
{
    m_clickedByKeyboard = true;
    if (m_properties.checkBoxBehaviour)
        m_properties.value = !m_properties.value;
    Paint(PaintUp, false);
    repaint();
    emit Click();
}

void KAVOButton::focusInEvent(QFocusEvent *event)
{
    UserControl::focusInEvent(event);
    m_hasFocus = true;
    repaintLast();
}

void KAVOButton::focusOutEvent(QFocusEvent *event)
{
    UserControl::focusOutEvent(event);
    // A Space pressed here and released elsewhere is no click here.
    m_lastKeyCode = 0;
    m_hasFocus = false;
    repaintLast();
}
