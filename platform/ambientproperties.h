#pragma once

#include <QFont>
#include <QString>

// What a control may ask of the window that hosts it.
struct AmbientProperties {
    bool userMode = true;          // false while the window is being designed
    QString displayName;           // the name the window gives the control
    QFont font;                    // the window's font, for new controls
    bool displayAsDefault = false; // the control is the window's default button
};
