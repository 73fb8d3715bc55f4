#pragma once

#include "platform/accessibleparts.h"

class XPCombo;

// What a screen reader learns of an XPCombo: a combo box whose value is the
// text shown in its field, named by its label (the label's buddy), with an
// action that opens the list. Of its parts only the text field and, while
// it is open, the dropped list are offered: the list box hidden behind the
// panel holds a selection of its own that need not match the text shown.
class XPComboAccessible : public AccessibleParts {
public:
    explicit XPComboAccessible(XPCombo *combo);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

protected:
    QList<QWidget *> parts() const override;

private:
    XPCombo *combo() const;
    QWidget *textField() const;
};
