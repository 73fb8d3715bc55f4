#include "app/window/accessiblecontrols.h"

#include "app/window/demoform.h"
#include "app/window/frmsetting.h"
#include "app/window/settingsdialogaccessible.h"
#include "controls/button/kavobutton.h"
#include "controls/button/kavobuttonaccessible.h"
#include "controls/xpcombo/xpcombo.h"
#include "controls/xpcombo/xpcomboaccessible.h"
#include "controls/xpcontainer/xpcontainer.h"
#include "controls/xpcontainer/xpcontaineraccessible.h"
#include "controls/xpprogressbar/xp_progressbar.h"
#include "controls/xpprogressbar/xp_progressbaraccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace AccessibleControls {

// Qt asks with each class name up the object's inheritance, the object's
// own first; the cast answers at that first ask. The borderless main
// window would read as a nameless filler; it is a frame named by its title.
QAccessibleInterface *create(const QString &, QObject *object)
{
    if (auto *form = qobject_cast<DemoForm *>(object))
        return new QAccessibleWidget(form, QAccessible::Window);
    if (auto *dialog = qobject_cast<frmSetting *>(object))
        return new SettingsDialogAccessible(dialog);
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
