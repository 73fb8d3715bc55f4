#pragma once

#include "platform/messageboxservice.h"

// The message box the user sees: a modal QMessageBox.
class QtMessageBoxService : public MessageBoxService {
public:
    Answer show(QWidget *parent, const QString &text, const QString &caption, Icon icon,
                Buttons buttons = Buttons::Ok) override;
};
