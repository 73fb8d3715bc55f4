#include "app/window/openrequestconnection.h"

#include "app/window/openrequest.h"

#include <QLocalSocket>

OpenRequestConnection::OpenRequestConnection(QLocalSocket *socket, int idleTimeoutMs,
                                             QObject *parent)
    : QObject(parent)
    , m_socket(socket)
{
    m_socket->setParent(this);
    m_idle.setSingleShot(true);
    m_idle.setInterval(idleTimeoutMs);
    connect(&m_idle, &QTimer::timeout, this, &OpenRequestConnection::drop);
    connect(m_socket, &QLocalSocket::disconnected, this, &QObject::deleteLater);
    connect(m_socket, &QLocalSocket::readyRead, this, &OpenRequestConnection::read);
}

void OpenRequestConnection::start()
{
    m_idle.start();
    read();
}

void OpenRequestConnection::drop()
{
    disconnect(m_socket, nullptr, this, nullptr);
    m_socket->abort();
    deleteLater();
}

// Bytes are appended where they are and only the new ones are searched
// for the end, so a request costs time in proportion to its size.
void OpenRequestConnection::read()
{
    const qsizetype before = m_received.size();
    const qint64 room = OpenRequest::MaxMessageBytes + 1 - before;
    m_received += m_socket->read(qMin(m_socket->bytesAvailable(), room));
    if (m_received.size() > OpenRequest::MaxMessageBytes) {
        drop();
        return;
    }
    if (m_received.size() == before)
        return;
    m_idle.start();
    if (endArrived(before))
        answer();
}

// The request ends with an empty entry: a NUL first or right after another.
bool OpenRequestConnection::endArrived(qsizetype from) const
{
    if (m_received.startsWith('\0'))
        return true;
    return m_received.indexOf(QByteArrayView("\0\0", 2), qMax<qsizetype>(0, from - 1)) >= 0;
}

// One request per connection: later bytes are not read again. The idle
// timer stays on, so a sender that never takes the answer is dropped too.
void OpenRequestConnection::answer()
{
    disconnect(m_socket, &QLocalSocket::readyRead, this, nullptr);
    const std::optional<QByteArrayList> paths = OpenRequest::decode(m_received);
    m_received.clear();
    m_socket->write(QByteArray(1, OpenRequest::Acknowledgement));
    m_socket->flush();
    m_socket->disconnectFromServer();
    if (paths)
        emit pathsReceived(*paths);
}
