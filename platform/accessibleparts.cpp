#include "platform/accessibleparts.h"

#include <QWidget>

int AccessibleParts::childCount() const
{
    return int(parts().size());
}

QAccessibleInterface *AccessibleParts::child(int index) const
{
    const QList<QWidget *> offered = parts();
    if (index < 0 || index >= offered.size())
        return nullptr;
    return QAccessible::queryAccessibleInterface(offered[index]);
}

int AccessibleParts::indexOfChild(const QAccessibleInterface *child) const
{
    return child ? int(parts().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
}
