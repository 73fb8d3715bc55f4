#include "app/window/urilist.h"

#include <optional>

namespace UriList {

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Decodes %XX escapes; a broken escape is kept as it stands.
QByteArray percentDecoded(const QByteArray &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0
            && hexValue(text[i + 2]) >= 0) {
            bytes.append(char(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2])));
            i += 2;
        } else {
            bytes.append(text[i]);
        }
    }
    return bytes;
}

// The path of a file: URI on this machine, or nothing.
std::optional<QByteArray> localPath(QByteArray uri)
{
    uri = uri.trimmed();
    constexpr QByteArrayView Scheme = "file:";
    constexpr QByteArrayView HostStart = "//";
    if (!uri.toLower().startsWith(Scheme))
        return std::nullopt;
    QByteArray rest = uri.mid(Scheme.size());
    if (rest.startsWith(HostStart)) {
        qsizetype pathStart = rest.indexOf('/', HostStart.size());
        if (pathStart < 0)
            return std::nullopt;
        QByteArray host = rest.mid(HostStart.size(), pathStart - HostStart.size()).toLower();
        if (!host.isEmpty() && host != "localhost")
            return std::nullopt;
        rest = rest.mid(pathStart);
    }
    if (!rest.startsWith('/'))
        return std::nullopt;
    // A query or fragment is not part of a file's path.
    qsizetype end = rest.indexOf('#');
    rest = rest.left(end < 0 ? rest.size() : end);
    QByteArray path = percentDecoded(rest);
    if (path.contains('\0'))
        return std::nullopt;
    return path;
}

} // namespace

QByteArrayList localPaths(const QByteArray &uriList)
{
    QByteArrayList paths;
    for (const QByteArray &line : uriList.split('\n')) {
        QByteArray uri = line.endsWith('\r') ? line.chopped(1) : line;
        if (uri.isEmpty() || uri.startsWith('#'))
            continue;
        if (std::optional<QByteArray> path = localPath(uri))
            paths << *path;
    }
    return paths;
}

} // namespace UriList
