#pragma once

#include "app/window/singleinstance.h"

#include <QByteArrayList>
#include <QString>

#include <memory>

// Decides at start-up which copy of the program runs: this one when it
// takes the single-instance lock; else the running copy, which is handed
// the paths this copy was started with (none: it is asked to come to the
// front). Paths are never dropped on the way:
// while the running copy is still starting, the hand-over is tried again,
// and when the lock holder dies meanwhile this copy takes the lock and runs
// with its own paths.
class StartClaim {
public:
    enum class Outcome {
        RunHere,        // this copy holds the lock (or runs without one)
        HandedOver,     // the running copy acknowledged the paths
        NothingToHand,  // another copy runs, this one has no paths, and the
                        // running one did not answer the call to the front
        HandOverFailed, // the running copy took no paths before the deadline
    };

    // Long enough for a running copy that is still starting up on a busy
    // machine to reach its event loop.
    static constexpr int HandOverDeadlineMs = 20000;

    StartClaim(QByteArrayList paths, QString lockPath, QString socketPath);

    Outcome claim(int deadlineMs = HandOverDeadlineMs);
    // The lock, held after RunHere.
    const SingleInstance &instance() const { return *m_instance; }

private:
    QByteArrayList m_paths;
    QString m_lockPath;
    QString m_socketPath;
    std::unique_ptr<SingleInstance> m_instance;
};
