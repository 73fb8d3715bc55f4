#pragma once

#include <QAccessibleWidget>

class Xp_ProgressBar;

// What a screen reader learns of an Xp_ProgressBar: a progress bar whose
// value is the one it shows, its minimum and maximum Min and Max. It is
// read only.
class Xp_ProgressBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit Xp_ProgressBarAccessible(Xp_ProgressBar *bar);

    void *interface_cast(QAccessible::InterfaceType t) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return 0; }

private:
    Xp_ProgressBar *bar() const;
};
