#pragma once

#include "platform/messageboxservice.h"

// The renderer has no one to click a message box: messages go to stderr.
class StderrMessageBoxService : public MessageBoxService {
public:
    Answer show(QWidget *parent, const QString &text, const QString &caption, Icon icon,
                Buttons buttons = Buttons::Ok) override;
};
