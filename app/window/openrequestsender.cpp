#include "app/window/openrequestsender.h"

#include "app/window/openrequest.h"

#include <QDeadlineTimer>
#include <QLocalSocket>

namespace OpenRequestSender {

bool send(const QString &socketPath, const QByteArrayList &paths, int waitMs)
{
    QDeadlineTimer deadline(waitMs);
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;
    socket.write(OpenRequest::encode(paths));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
            return false;
    }
    // The running copy reads only from its event loop, which may not be
    // running yet; the answer is the one sign that the paths arrived.
    while (socket.bytesAvailable() == 0) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == OpenRequest::Acknowledgement;
}

} // namespace OpenRequestSender
