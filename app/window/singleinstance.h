#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// One running copy of the program per user: the first copy holds a lock
// file in the user's runtime folder until it ends. A lock left by a copy
// that crashed is taken over. Only a lock held by a running copy refuses
// this one: when the lock cannot be taken for any other reason (a full,
// read-only or missing folder), the copy runs and warning() says why.
class SingleInstance {
public:
    explicit SingleInstance(const QString &lockPath = defaultLockPath());
    // False only when another running copy holds the lock.
    bool acquired() const { return m_acquired; }
    // Why this copy runs without the lock; empty when it holds it or was
    // refused.
    const QString &warning() const { return m_warning; }

    // In the user's own runtime folder; empty when there is none.
    static QString defaultLockPath();

private:
    bool heldByRunningCopy() const;
    bool takeOverOwnerlessLock();

    std::unique_ptr<QLockFile> m_lock;
    bool m_acquired = false;
    QString m_warning;
};
