#pragma once

#include <QByteArrayList>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// The running copy's end of the hand-over: a local socket in the user's
// runtime folder, beside the single-instance lock, where later copies
// deliver the paths they were started with (OpenRequest).
class OpenRequestServer : public QObject {
    Q_OBJECT

public:
    explicit OpenRequestServer(QObject *parent = nullptr);

    // Only the holder of the single-instance lock listens, so a socket file
    // already there was left by a copy that died and is replaced. False
    // when the socket cannot be made; errorString() says why.
    bool listen(const QString &socketPath = defaultSocketPath());
    QString errorString() const;

    static QString defaultSocketPath();

signals:
    // A whole request, acknowledged to its sender before this is emitted.
    void pathsReceived(const QByteArrayList &paths);

private:
    void acceptConnections();
    void readRequest(QLocalSocket *socket);

    QLocalServer *m_server;
};
