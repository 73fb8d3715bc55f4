#include "platform/launcherentry.h"

#include <QDBusMessage>

#include <algorithm>

LauncherEntry::LauncherEntry(const QDBusConnection &connection, const QString &desktopFileName)
    : m_connection(connection)
    , m_appUri("application://" + desktopFileName + ".desktop")
{
}

void LauncherEntry::showProgress(double fraction)
{
    update({{"progress", std::clamp(fraction, 0.0, 1.0)}, {"progress-visible", true}});
}

void LauncherEntry::hideProgress()
{
    update({{"progress-visible", false}});
}

void LauncherEntry::update(const QVariantMap &properties)
{
    if (!m_connection.isConnected())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(Path, Interface, "Update");
    signal << m_appUri << properties;
    m_connection.send(signal);
}
