#pragma once

#include <QString>

// The folder that holds the single-instance lock and the hand-over socket.
// Only the user's own folder will do: a real folder (no link) owned by the
// user with mode 0700. In any other one, a shared temporary folder above
// all, another user could hold the lock and listen in the socket's place,
// and would receive every path a later copy hands over.
class RuntimeFolder {
public:
    // The runtime folder of this session: $XDG_RUNTIME_DIR, else the one Qt
    // makes in the temporary folder. Qt answers nothing when it refuses
    // that folder; there is no second choice then.
    static RuntimeFolder find();

    explicit RuntimeFolder(const QString &path);

    // Empty when the folder will do; else why there is no hand-over.
    const QString &problem() const { return m_problem; }
    // Both empty when problem() is not.
    QString lockPath() const;
    QString socketPath() const;

private:
    QString check() const;

    QString m_path;
    QString m_problem;
};
