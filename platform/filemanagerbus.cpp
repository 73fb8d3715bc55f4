#include "platform/filemanagerbus.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>

FileManagerBus::FileManagerBus(const QDBusConnection &connection) : m_connection(connection) {}

bool FileManagerBus::present() const
{
    if (!m_connection.isConnected())
        return false;
    QDBusConnectionInterface *bus = m_connection.interface();
    if (!bus)
        return false;
    if (bus->isServiceRegistered(Service))
        return true;
    QDBusReply<QStringList> activatable = bus->call("ListActivatableNames");
    return activatable.isValid() && activatable.value().contains(Service);
}

void FileManagerBus::showItems(const QByteArrayList &files, std::function<void()> onFailure) const
{
    // Percent-encoded byte by byte: a file name in GBK decoded as text
    // would name a file that does not exist.
    QStringList uris;
    for (const QByteArray &file : files)
        uris << QString::fromLatin1("file://" + file.toPercentEncoding("/"));
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Service, "ShowItems");
    // No startup notification id: the program does not take part in one.
    call << uris << QString();
    auto *watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [onFailure = std::move(onFailure)](QDBusPendingCallWatcher *finished) {
                         if (finished->isError() && onFailure)
                             onFailure();
                         finished->deleteLater();
                     });
}
