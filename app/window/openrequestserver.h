#pragma once

#include <QByteArrayList>
#include <QList>
#include <QObject>
#include <QString>

class OpenRequestConnection;
class QLocalServer;

// The running copy's end of the hand-over: a local socket in the user's
// runtime folder, beside the single-instance lock, where later copies
// deliver the paths they were started with (OpenRequest).
class OpenRequestServer : public QObject {
    Q_OBJECT

public:
    struct Limits {
        // Open connections at a time: far below the descriptor limit, and
        // more than copies started together by a desktop.
        int connections = 16;
        // A later copy sends its request at once; silence this long is not
        // one.
        int idleTimeoutMs = 5000;
    };

    explicit OpenRequestServer(QObject *parent = nullptr);
    OpenRequestServer(Limits limits, QObject *parent = nullptr);

    // Only the holder of the single-instance lock listens, so a socket file
    // already there was left by a copy that died and is replaced. False
    // when the socket cannot be made; errorString() says why.
    // The path comes from RuntimeFolder, which refuses a folder that is not
    // the user's own.
    bool listen(const QString &socketPath);
    QString errorString() const;

signals:
    // A whole request, acknowledged to its sender before this is emitted.
    void pathsReceived(const QByteArrayList &paths);

private:
    void acceptConnections();

    Limits m_limits;
    QLocalServer *m_server;
    // In the order they were accepted.
    QList<OpenRequestConnection *> m_connections;
};
