#include "controls/xpprogressbar/xp_progressbaraccessible.h"

#include "controls/xpprogressbar/xp_progressbar.h"

Xp_ProgressBarAccessible::Xp_ProgressBarAccessible(Xp_ProgressBar *bar)
    : QAccessibleWidget(bar, QAccessible::ProgressBar)
{
}

Xp_ProgressBar *Xp_ProgressBarAccessible::bar() const
{
    return static_cast<Xp_ProgressBar *>(widget());
}

void *Xp_ProgressBarAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

QString Xp_ProgressBarAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return QString::number(bar()->shownValue());
    return QAccessibleWidget::text(t);
}

QVariant Xp_ProgressBarAccessible::currentValue() const
{
    return bar()->shownValue();
}

QVariant Xp_ProgressBarAccessible::maximumValue() const
{
    return bar()->Max();
}

QVariant Xp_ProgressBarAccessible::minimumValue() const
{
    return bar()->Min();
}
