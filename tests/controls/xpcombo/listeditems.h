#pragma once

#include "controls/xpcombo/xpcombo.h"

#include <QComboBox>
#include <QStringList>

// The texts the combo's inner list shows, top to bottom.
inline QStringList listed(const XPCombo &combo)
{
    const auto *list = combo.findChild<QComboBox *>(QStringLiteral("JCombo"));
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->itemText(i));
    return items;
}
