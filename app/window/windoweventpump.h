#pragma once

#include "app/eventpump.h"

#include <QElapsedTimer>

// Lets the window handle its events during the folder search, at most once
// every few milliseconds: the search asks after every entry, and asking that
// often would cost more than the search itself.
class WindowEventPump : public EventPump {
public:
    void processPendingEvents() override;

private:
    QElapsedTimer m_sinceEvents;
};
