#include "controls/xpcontainer/xpcontaineraccessible.h"

#include "controls/xpcontainer/xpcontainer.h"

XPContainerAccessible::XPContainerAccessible(XPContainer *container)
    : QAccessibleWidget(container, QAccessible::Grouping)
{
}

XPContainer *XPContainerAccessible::container() const
{
    return static_cast<XPContainer *>(widget());
}

QString XPContainerAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && container()->accessibleName().isEmpty())
        return container()->Caption();
    return QAccessibleWidget::text(t);
}
