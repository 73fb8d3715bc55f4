#include "platform/recordingmessageboxservice.h"

RecordingMessageBoxService::RecordingMessageBoxService()
{
    setInstance(this);
}

RecordingMessageBoxService::~RecordingMessageBoxService()
{
    if (&instance() == this)
        setInstance(nullptr);
}

MessageBoxService::Answer RecordingMessageBoxService::show(QWidget *, const QString &text,
                                                           const QString &caption, Icon icon,
                                                           Buttons buttons)
{
    m_messages.append({text, caption, icon, buttons});
    return m_answer;
}
