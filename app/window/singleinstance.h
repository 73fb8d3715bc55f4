#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// One running copy of the program per user: the first copy holds a lock
// file in the user's runtime folder until it ends. A lock left by a copy
// that crashed is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString &lockPath = defaultLockPath());
    // True when this copy is the only one running.
    bool acquired() const { return m_acquired; }

    static QString defaultLockPath();

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_acquired = false;
};
