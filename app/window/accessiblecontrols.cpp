#include "app/window/accessiblecontrols.h"

#include "controls/button/kavobutton.h"
#include "controls/button/kavobuttonaccessible.h"
#include "controls/xpcombo/xpcombo.h"
#include "controls/xpcombo/xpcomboaccessible.h"
#include "controls/xpcontainer/xpcontainer.h"
#include "controls/xpcontainer/xpcontaineraccessible.h"
#include "controls/xpprogressbar/xp_progressbar.h"
#include "controls/xpprogressbar/xp_progressbaraccessible.h"

#include <QAccessible>

namespace AccessibleControls {

// Qt asks with each class name up the object's inheritance, the object's
// own first; the cast answers at that first ask.
QAccessibleInterface *create(const QString &, QObject *object)
{
    if (auto *button = qobject_cast<KAVOButton *>(object))
        return new KAVOButtonAccessible(button);
    if (auto *combo = qobject_cast<XPCombo *>(object))
        return new XPComboAccessible(combo);
    if (auto *bar = qobject_cast<Xp_ProgressBar *>(object))
        return new Xp_ProgressBarAccessible(bar);
    if (auto *container = qobject_cast<XPContainer *>(object))
        return new XPContainerAccessible(container);
    return nullptr;
}

void install()
{
    QAccessible::installFactory(&create);
}

} // namespace AccessibleControls
