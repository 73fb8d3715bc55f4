#pragma once

#include "platform/messageboxservice.h"

#include <QList>

// A message box for tests: remembers every message, shows nothing and gives
// a preset answer. Installs itself for its lifetime.
class RecordingMessageBoxService : public MessageBoxService {
public:
    struct Message {
        QString text;
        QString caption;
        Icon icon;
        Buttons buttons;
    };

    RecordingMessageBoxService();
    ~RecordingMessageBoxService() override;

    Answer show(QWidget *parent, const QString &text, const QString &caption, Icon icon,
                Buttons buttons = Buttons::Ok) override;

    const QList<Message> &messages() const { return m_messages; }
    void clear() { m_messages.clear(); }
    void setAnswer(Answer answer) { m_answer = answer; }

private:
    QList<Message> m_messages;
    Answer m_answer = Answer::Ok;
};
