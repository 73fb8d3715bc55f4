#pragma once

#include <QAccessibleWidget>
#include <QList>

// An interface that offers a screen reader a chosen few of the widget's
// children, not all of them: parts() names them, in reading order, and may
// change as the widget shows or hides them.
class AccessibleParts : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

protected:
    virtual QList<QWidget *> parts() const = 0;
};
