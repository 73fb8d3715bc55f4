#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QObject>
#include <QTimer>

class QLocalSocket;

// One later copy's connection to the running copy. Its request is gathered
// in linear time up to OpenRequest::MaxMessageBytes; a connection that
// sends more, or stays silent for the idle time, is dropped unanswered, so
// neither a huge request nor an idle one can hold the running copy.
class OpenRequestConnection : public QObject {
    Q_OBJECT

public:
    // Takes the socket over; the connection deletes itself when it ends.
    OpenRequestConnection(QLocalSocket *socket, int idleTimeoutMs, QObject *parent = nullptr);

    // Reads what has already arrived.
    void start();
    // Ends the connection without an answer.
    void drop();

signals:
    // A whole request, acknowledged to its sender before this is emitted.
    void pathsReceived(const QByteArrayList &paths);

private:
    void read();
    bool endArrived(qsizetype from) const;
    void answer();

    QLocalSocket *m_socket;
    QByteArray m_received;
    QTimer m_idle;
};
