#pragma once

#include "platform/accessibleparts.h"

class frmSetting;

// What a screen reader learns of the Settings dialog: a dialog holding its
// panel, and the help panel while it shows. The controls the form lays
// beside or beneath the panel cannot be seen, so they are not offered.
class SettingsDialogAccessible : public AccessibleParts {
public:
    explicit SettingsDialogAccessible(frmSetting *dialog);

protected:
    QList<QWidget *> parts() const override;
};
