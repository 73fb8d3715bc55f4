#pragma once

#include <QDBusConnection>
#include <QString>
#include <QVariantMap>

// The program's entry in the desktop's launcher, task manager or dock, as
// they follow it on the session bus (com.canonical.Unity.LauncherEntry,
// read by Plasma, the GNOME docks and others): a progress on its icon.
// Sending to a bus without listeners costs nothing and fails nowhere.
class LauncherEntry {
public:
    static constexpr const char *Interface = "com.canonical.Unity.LauncherEntry";
    // The signals come from an object of the program's own.
    static constexpr const char *Path = "/org/tervolan/Tervolan/LauncherEntry";

    // desktopFileName is the desktop file's name without ".desktop".
    LauncherEntry(const QDBusConnection &connection, const QString &desktopFileName);

    // Shows progress on the entry, fraction from 0 to 1.
    void showProgress(double fraction);
    void hideProgress();

private:
    void update(const QVariantMap &properties);

    QDBusConnection m_connection;
    QString m_appUri;
};
