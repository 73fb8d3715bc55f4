#pragma once

// Lets the window handle its pending events during the folder search. The
// command line and tests have nothing to pump.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void processPendingEvents() = 0;
};
