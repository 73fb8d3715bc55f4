#include "app/window/openrequest.h"

namespace OpenRequest {

QByteArray encode(const QByteArrayList &paths)
{
    QByteArray message;
    for (const QByteArray &path : paths) {
        if (!path.isEmpty())
            message += path + '\0';
    }
    return message + '\0';
}

std::optional<QByteArrayList> decode(const QByteArray &received)
{
    QByteArrayList paths;
    qsizetype start = 0;
    for (qsizetype end = received.indexOf('\0'); end >= 0; end = received.indexOf('\0', start)) {
        if (end == start)
            return paths;
        paths << received.mid(start, end - start);
        start = end + 1;
    }
    return std::nullopt;
}

} // namespace OpenRequest
