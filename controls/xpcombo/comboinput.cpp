#include "controls/xpcombo/comboinput.h"

#include "controls/xpcombo/designeventargs.h"
#include "controls/xpcombo/xpcombo.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

ComboInput::ComboInput(XPCombo *combo, QLineEdit *text, QLabel *button)
    : QObject(combo)
    , m_combo(combo)
    , m_text(text)
    , m_button(button)
{
    m_text->installEventFilter(this);
    m_button->installEventFilter(this);
}

bool ComboInput::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_button)
        return buttonEvent(event);
    if (watched == m_text) {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
            m_lastTextKey = static_cast<QKeyEvent *>(event);
        if (event->type() == QEvent::KeyPress)
            return raiseKeyPress(static_cast<QKeyEvent *>(event), m_text);
        textEvent(event);
    }
    return false;
}

bool ComboInput::buttonEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        // The hot look stays after the pointer leaves, until the next reset.
        if (m_combo->shownPicture() != ComboPictures::Hot)
            m_combo->showPicture(ComboPictures::Hot);
        raiseMouse(static_cast<QMouseEvent *>(event), false);
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_combo->showPicture(ComboPictures::Pressed);
        m_combo->ToggleDropDown();
        return true;
    default: return false;
    }
}

void ComboInput::textEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove: raiseMouse(static_cast<QMouseEvent *>(event), false); break;
    case QEvent::MouseButtonPress: raiseMouse(static_cast<QMouseEvent *>(event), true); break;
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton
            && m_text->rect().contains(mouse->position().toPoint()))
            emit m_combo->Click();
        break;
    }
    case QEvent::KeyRelease: raiseKeyUp(static_cast<QKeyEvent *>(event)); break;
    default: break;
    }
}

void ComboInput::raiseMouse(QMouseEvent *event, bool down)
{
    short button
        = DesignEventArgs::buttons(down ? Qt::MouseButtons(event->button()) : event->buttons());
    short shift = DesignEventArgs::shift(event->modifiers());
    float x = DesignEventArgs::twips(event->position().x());
    float y = DesignEventArgs::twips(event->position().y());
    if (down)
        emit m_combo->MouseDown(button, shift, x, y);
    else
        emit m_combo->MouseMove(button, shift, x, y);
}

bool ComboInput::raiseKeyPress(QKeyEvent *event, QWidget *target)
{
    if (m_forwardingKey)
        return false;
    short keyCode = DesignEventArgs::keyCode(event);
    short shift = DesignEventArgs::shift(event->modifiers());
    emit m_combo->KeyDown(keyCode, shift);
    if (event->text().size() != 1)
        return false;
    const short typed = short(event->text().at(0).unicode());
    short keyAscii = typed;
    emit m_combo->KeyPress(keyAscii);
    if (keyAscii == typed)
        return false;
    // The handler replaced the character (0 discards it): the field gets
    // the new one in place of what was typed.
    if (keyAscii != 0 && target) {
        QKeyEvent replacement(QEvent::KeyPress, Qt::Key_unknown, event->modifiers(),
                              QString(QChar(char16_t(keyAscii))));
        m_forwardingKey = true;
        QCoreApplication::sendEvent(target, &replacement);
        m_forwardingKey = false;
    }
    return true;
}

void ComboInput::raiseKeyUp(QKeyEvent *event)
{
    short keyCode = DesignEventArgs::keyCode(event);
    short shift = DesignEventArgs::shift(event->modifiers());
    emit m_combo->KeyUp(keyCode, shift);
}
