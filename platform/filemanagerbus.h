#pragma once

#include <QByteArrayList>
#include <QDBusConnection>

#include <functional>

// The desktop's file manager as it answers on the session bus under
// org.freedesktop.FileManager1: it can show a folder with chosen files
// selected, which opening the folder alone cannot.
class FileManagerBus {
public:
    static constexpr const char *Service = "org.freedesktop.FileManager1";
    static constexpr const char *Path = "/org/freedesktop/FileManager1";

    explicit FileManagerBus(const QDBusConnection &connection);

    // True when a file manager owns the name or the bus can start one.
    bool present() const;

    // Asks the file manager to show the files, selected, in their folders.
    // Each path is the name's bytes as the file system has them, which need
    // not be UTF-8; the URI carries those bytes.
    // The call does not wait for the answer, since a file manager that has
    // to be started first may take seconds; onFailure runs later, from the
    // event loop, when the call fails.
    void showItems(const QByteArrayList &files, std::function<void()> onFailure) const;

private:
    QDBusConnection m_connection;
};
