#include "app/window/openrequestserver.h"

#include "app/window/openrequestconnection.h"

#include <QLocalServer>
#include <QLocalSocket>

OpenRequestServer::OpenRequestServer(QObject *parent) : OpenRequestServer(Limits(), parent) {}

OpenRequestServer::OpenRequestServer(Limits limits, QObject *parent)
    : QObject(parent)
    , m_limits(limits)
    , m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &OpenRequestServer::acceptConnections);
}

bool OpenRequestServer::listen(const QString &socketPath)
{
    QLocalServer::removeServer(socketPath);
    return m_server->listen(socketPath);
}

QString OpenRequestServer::errorString() const
{
    return m_server->errorString();
}

// At the cap the connection accepted first makes room. A flood of idle
// connections then can neither run the process out of descriptors (a
// failed accept closes the server for good) nor keep a new copy out.
void OpenRequestServer::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        if (m_connections.size() >= m_limits.connections)
            m_connections.takeFirst()->drop();
        auto *connection = new OpenRequestConnection(socket, m_limits.idleTimeoutMs, this);
        m_connections.append(connection);
        connect(connection, &QObject::destroyed, this,
                [this, connection] { m_connections.removeOne(connection); });
        connect(connection, &OpenRequestConnection::pathsReceived, this,
                &OpenRequestServer::pathsReceived);
        connection->start();
    }
}
