#include "app/window/conversiondriver.h"

#include "app/conversionjob.h"

#include <QElapsedTimer>

namespace {

// Steps are one output line each, thousands a file: a slice of them per
// timer call keeps the window's cost of events as low as when it looked
// for them every 15 ms, and its answers as quick.
constexpr int SliceMs = 15;

} // namespace

ConversionDriver::ConversionDriver(ConversionJob &job, QObject *parent)
    : QObject(parent)
    , m_job(job)
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &ConversionDriver::takeSteps);
}

bool ConversionDriver::start(PathList &list)
{
    if (!m_job.start(list))
        return false;
    m_timer.start();
    return true;
}

bool ConversionDriver::isRunning() const
{
    return m_job.isRunning();
}

void ConversionDriver::abandon()
{
    m_timer.stop();
    m_job.abandon();
}

void ConversionDriver::takeSteps()
{
    QElapsedTimer slice;
    slice.start();
    while (m_job.step()) {
        if (slice.elapsed() >= SliceMs) {
            emit stepsTaken();
            return;
        }
    }
    m_timer.stop();
    emit finished();
}
