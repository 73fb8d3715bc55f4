#include "app/window/startclaim.h"

#include "app/window/openrequestsender.h"

#include <QDeadlineTimer>
#include <QThread>

namespace {

// Between attempts while nothing listens yet: the running copy starts its
// socket right after its lock, so this is rarely waited out more than once.
constexpr unsigned long RetryPauseMs = 50;

// A copy started without paths only asks the running one to come to the
// front; a running copy too busy to answer soon is no reason to wait.
constexpr int BringToFrontWaitMs = 2000;

} // namespace

StartClaim::StartClaim(QByteArrayList paths, QString lockPath, QString socketPath)
    : m_paths(std::move(paths))
    , m_lockPath(std::move(lockPath))
    , m_socketPath(std::move(socketPath))
{
}

StartClaim::Outcome StartClaim::claim(int deadlineMs)
{
    QDeadlineTimer deadline(deadlineMs);
    for (;;) {
        m_instance = std::make_unique<SingleInstance>(m_lockPath);
        if (m_instance->acquired())
            return Outcome::RunHere;
        if (m_paths.isEmpty())
            return OpenRequestSender::send(m_socketPath, m_paths,
                                           qMin(deadlineMs, BringToFrontWaitMs))
                ? Outcome::HandedOver
                : Outcome::NothingToHand;
        if (OpenRequestSender::send(m_socketPath, m_paths, int(deadline.remainingTime())))
            return Outcome::HandedOver;
        if (deadline.hasExpired())
            return Outcome::HandOverFailed;
        QThread::msleep(RetryPauseMs);
    }
}
