#include "app/window/runtimefolder.h"

#include <QFile>
#include <QStandardPaths>

#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr const char *LockName = "/tervolan.lock";
constexpr const char *SocketName = "/tervolan.socket";

// A socket's name is a path in a fixed field, NUL included; a longer one
// cannot be listened on, and later copies would wait for it in vain.
constexpr qsizetype MaxSocketPathBytes = sizeof(sockaddr_un::sun_path) - 1;

} // namespace

RuntimeFolder RuntimeFolder::find()
{
    return RuntimeFolder(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
}

RuntimeFolder::RuntimeFolder(const QString &path) : m_path(path), m_problem(check()) {}

QString RuntimeFolder::check() const
{
    if (m_path.isEmpty())
        return "no runtime folder of this user's own (XDG_RUNTIME_DIR is unset or refused)";
    struct stat status = {};
    if (::lstat(QFile::encodeName(m_path).constData(), &status) != 0 || !S_ISDIR(status.st_mode))
        return "the runtime folder " + m_path + " is not a folder";
    if (status.st_uid != ::geteuid() || (status.st_mode & 07777) != S_IRWXU)
        return "the runtime folder " + m_path + " is not this user's own with mode 0700";
    const qsizetype socketBytes = QFile::encodeName(m_path + SocketName).size();
    if (socketBytes > MaxSocketPathBytes)
        return QString("the runtime folder's path is too long for a socket (%1 bytes, at most %2)")
            .arg(socketBytes)
            .arg(MaxSocketPathBytes);
    return {};
}

QString RuntimeFolder::lockPath() const
{
    return m_problem.isEmpty() ? m_path + LockName : QString();
}

QString RuntimeFolder::socketPath() const
{
    return m_problem.isEmpty() ? m_path + SocketName : QString();
}
