#include "controls/xpcombo/xpcomboaccessible.h"

#include "controls/xpcombo/xpcombo.h"

#include <QLineEdit>
#include <QPointer>

XPComboAccessible::XPComboAccessible(XPCombo *combo) : AccessibleParts(combo, QAccessible::ComboBox)
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
    return AccessibleParts::text(t);
}

// The text field, then the list while it is open.
QList<QWidget *> XPComboAccessible::parts() const
{
    QList<QWidget *> parts;
    if (QWidget *field = textField())
        parts << field;
    if (combo()->isDroppedDown())
        parts << combo()->listView();
    return parts;
}

QStringList XPComboAccessible::actionNames() const
{
    return QStringList{showMenuAction()} + AccessibleParts::actionNames();
}

// Later, from the event loop: opening the list lets the window's handlers
// run, which must not hold up the screen reader's call.
void XPComboAccessible::doAction(const QString &actionName)
{
    if (actionName != showMenuAction()) {
        AccessibleParts::doAction(actionName);
        return;
    }
    QPointer<XPCombo> target(combo());
    QMetaObject::invokeMethod(
        target,
        [target] {
            if (target && !target->isDroppedDown())
                target->toggleDropDownAtShownItem();
        },
        Qt::QueuedConnection);
}
