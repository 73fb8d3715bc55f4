#pragma once

#include <QAccessibleWidget>

class XPContainer;

// What a screen reader learns of an XPContainer: a grouping of the controls
// on it, named by its caption.
class XPContainerAccessible : public QAccessibleWidget {
public:
    explicit XPContainerAccessible(XPContainer *container);

    QString text(QAccessible::Text t) const override;

private:
    XPContainer *container() const;
};
