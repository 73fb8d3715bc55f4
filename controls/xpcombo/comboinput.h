#pragma once

#include <QObject>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QMouseEvent;
class XPCombo;

// Turns the input of the combo's text field, drop button and own surface
// into the combo's events, and drives the drop button's looks.
class ComboInput : public QObject {
    Q_OBJECT

public:
    ComboInput(XPCombo *combo, QLineEdit *text, QLabel *button);

    void raiseMouse(QMouseEvent *event, bool down);
    // Raises KeyDown, then KeyPress for a typed character. Returns true
    // when the key is used up (its character discarded or replaced in
    // target).
    bool raiseKeyPress(QKeyEvent *event, QWidget *target);
    void raiseKeyUp(QKeyEvent *event);
    // A key event the text field did not use travels on to the combo
    // itself; it has raised its events already and must not again.
    bool alreadyRaised(const QKeyEvent *event) const { return event == m_lastTextKey; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool buttonEvent(QEvent *event);
    void textEvent(QEvent *event);

    XPCombo *m_combo;
    QLineEdit *m_text;
    QLabel *m_button;
    bool m_forwardingKey = false;
    const QKeyEvent *m_lastTextKey = nullptr;
};
