#include "app/window/singleinstance.h"

#include "app/window/runtimefolder.h"

#include <QThread>

namespace {

// Long enough for a copy starting at the same moment to write its name into
// the lock file it has just created.
constexpr unsigned long OwnerWriteWaitMs = 100;

QString describe(QLockFile::LockError error)
{
    switch (error) {
    case QLockFile::PermissionError: return "the folder cannot be written";
    case QLockFile::LockFailedError: return "the lock file names no running copy";
    default: return "the lock file cannot be created or written";
    }
}

} // namespace

SingleInstance::SingleInstance(const QString &lockPath)
    : m_lock(std::make_unique<QLockFile>(lockPath))
{
    // A lock never goes stale by age: only a dead owner frees it.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0) || takeOverOwnerlessLock()) {
        m_acquired = true;
        return;
    }
    if (heldByRunningCopy())
        return;
    // Ending unseen because a folder is full or read-only would look like a
    // program that never starts: better two copies than none.
    m_acquired = true;
    m_warning = "cannot take the single-instance lock " + lockPath + " ("
        + describe(m_lock->error()) + "); starting anyway";
}

// tryLock has already taken over a lock whose owner died, so a lock file
// that names its owner belongs to a running copy.
bool SingleInstance::heldByRunningCopy() const
{
    qint64 pid = 0;
    QString host;
    QString application;
    return m_lock->error() == QLockFile::LockFailedError
        && m_lock->getLockInfo(&pid, &host, &application);
}

// A lock file that names no owner (its writer died before writing) would
// otherwise refuse every later start, since it never goes stale.
bool SingleInstance::takeOverOwnerlessLock()
{
    if (m_lock->error() != QLockFile::LockFailedError || heldByRunningCopy())
        return false;
    QThread::msleep(OwnerWriteWaitMs);
    if (heldByRunningCopy() || !m_lock->removeStaleLockFile())
        return false;
    return m_lock->tryLock(0);
}

QString SingleInstance::defaultLockPath()
{
    return RuntimeFolder::find().lockPath();
}
