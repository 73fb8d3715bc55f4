#include "controls/xpcombo/xpcomboaccessible.h"

#include "controls/xpcombo/xpcombo.h"

#include <QLineEdit>
#include <QPointer>

XPComboAccessible::XPComboAccessible(XPCombo *combo)
    : QAccessibleWidget(combo, QAccessible::ComboBox)
{
}

XPCombo *XPComboAccessible::combo() const
{
    return static_cast<XPCombo *>(widget());
}

QWidget *XPComboAccessible::textField() const
{
    return combo()->findChild<QLineEdit *>(QStringLiteral("JTexto"), Qt::FindDirectChildrenOnly);
}

QString XPComboAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return combo()->Text();
    if (t == QAccessible::Description && combo()->accessibleDescription().isEmpty())
        return combo()->ToolTipText();
    return QAccessibleWidget::text(t);
}

int XPComboAccessible::childCount() const
{
    return textField() ? 1 : 0;
}

QAccessibleInterface *XPComboAccessible::child(int index) const
{
    if (index != 0 || !textField())
        return nullptr;
    return QAccessible::queryAccessibleInterface(textField());
}

int XPComboAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child && textField() && child->object() == textField() ? 0 : -1;
}

QStringList XPComboAccessible::actionNames() const
{
    return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
}

// Later, from the event loop: opening the list lets the window's handlers
// run, which must not hold up the screen reader's call.
void XPComboAccessible::doAction(const QString &actionName)
{
    if (actionName != showMenuAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    QPointer<XPCombo> target(combo());
    QMetaObject::invokeMethod(
        target,
        [target] {
            if (target && !target->isDroppedDown())
                target->ToggleDropDown();
        },
        Qt::QueuedConnection);
}
