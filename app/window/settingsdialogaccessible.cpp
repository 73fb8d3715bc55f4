#include "app/window/settingsdialogaccessible.h"

#include "app/window/frmsetting.h"
#include "controls/xpcontainer/xpcontainer.h"

SettingsDialogAccessible::SettingsDialogAccessible(frmSetting *dialog)
    : AccessibleParts(dialog, QAccessible::Dialog)
{
}

QList<QWidget *> SettingsDialogAccessible::parts() const
{
    const auto *dialog = static_cast<const frmSetting *>(widget());
    QList<QWidget *> panels{dialog->XPC()};
    if (dialog->XPCHelp()->isVisible())
        panels << dialog->XPCHelp();
    return panels;
}
