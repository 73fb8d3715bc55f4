#include "app/window/openrequestserver.h"

#include "app/window/openrequest.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

// Where a request's bytes gather until its end arrives.
constexpr const char *ReceivedProperty = "tervolanReceived";

} // namespace

OpenRequestServer::OpenRequestServer(QObject *parent)
    : QObject(parent)
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

void OpenRequestServer::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        readRequest(socket);
    }
}

void OpenRequestServer::readRequest(QLocalSocket *socket)
{
    QByteArray received = socket->property(ReceivedProperty).toByteArray() + socket->readAll();
    socket->setProperty(ReceivedProperty, received);
    std::optional<QByteArrayList> paths = OpenRequest::decode(received);
    if (!paths)
        return;
    // One request per connection: later bytes are not read again.
    disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
    socket->write(QByteArray(1, OpenRequest::Acknowledgement));
    socket->flush();
    socket->disconnectFromServer();
    emit pathsReceived(*paths);
}

QString OpenRequestServer::defaultSocketPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + "/tervolan.socket";
}
