#pragma once

#include <QString>

class QWidget;

// Every message box of the program goes through this interface, so tests
// can record messages instead of showing them.
class MessageBoxService {
public:
    enum class Icon { None, Information, Warning, Error, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~MessageBoxService() = default;

    // Shows the message and waits for the answer.
    virtual Answer show(QWidget *parent, const QString &text, const QString &caption, Icon icon,
                        Buttons buttons = Buttons::Ok)
        = 0;

    // The service in use: the real message box unless a test installed
    // another. setInstance(nullptr) goes back to the real one; the caller
    // keeps ownership of what it installs.
    static MessageBoxService &instance();
    static void setInstance(MessageBoxService *service);
};
