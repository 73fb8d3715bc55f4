#include "controls/button/kavobuttonaccessible.h"

#include "controls/button/kavobutton.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPointer>

// Every click of a check-mode button has turned Value over by the time
// Click is raised, whether by mouse, Space or access key; a screen reader
// hears of the new state from then on.
KAVOButtonAccessible::KAVOButtonAccessible(KAVOButton *button)
    : QAccessibleWidget(button, QAccessible::Button)
{
    QObject::connect(button, &KAVOButton::Click, button, [button] {
        if (!button->CheckBoxBehaviour())
            return;
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(button, changed);
        QAccessible::updateAccessibility(&event);
    });
}

KAVOButton *KAVOButtonAccessible::button() const
{
    return static_cast<KAVOButton *>(widget());
}

QAccessible::Role KAVOButtonAccessible::role() const
{
    return button()->CheckBoxBehaviour() ? QAccessible::CheckBox : QAccessible::Button;
}

QAccessible::State KAVOButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (button()->CheckBoxBehaviour()) {
        state.checkable = true;
        state.checked = button()->Value();
    }
    return state;
}

QString KAVOButtonAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && button()->accessibleName().isEmpty())
        return shownCaption(button()->Caption());
    if (t == QAccessible::Accelerator && !button()->accessKey().isEmpty())
        return QKeySequence::mnemonic(QStringLiteral("&") + button()->accessKey())
            .toString(QKeySequence::NativeText);
    return QAccessibleWidget::text(t);
}

QStringList KAVOButtonAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (button()->isEnabled())
        names.prepend(pressAction());
    return names;
}

void KAVOButtonAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction() || actionName == toggleAction())
        pressAsSpace();
    else
        QAccessibleWidget::doAction(actionName);
}

// Later, from the event loop: the press arrives over the accessibility bus,
// and a Click handler that runs a whole conversion must not hold up the
// screen reader's call.
void KAVOButtonAccessible::pressAsSpace()
{
    QPointer<KAVOButton> target(button());
    QMetaObject::invokeMethod(
        target,
        [target] {
            for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                if (!target)
                    return;
                QKeyEvent space(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
                QCoreApplication::sendEvent(target, &space);
            }
        },
        Qt::QueuedConnection);
}

QString KAVOButtonAccessible::shownCaption(const QString &caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&')
            shown += caption[i];
        else if (i + 1 < caption.size() && caption[i + 1] == u'&')
            shown += caption[++i];
    }
    return shown.trimmed();
}
