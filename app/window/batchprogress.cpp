#include "app/window/batchprogress.h"

#include <QWidget>

#include <utility>

BatchProgress::BatchProgress(QWidget &window, std::function<int()> filesLeft,
                             std::function<int()> filesDone, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_filesLeft(std::move(filesLeft))
    , m_filesDone(std::move(filesDone))
{
    m_timer.setInterval(ShownEveryMs);
    connect(&m_timer, &QTimer::timeout, this, &BatchProgress::show);
}

void BatchProgress::runStarted()
{
    if (!m_timer.isActive())
        m_title = m_window.windowTitle();
    m_doneBefore = m_filesDone();
    m_timer.start();
    show();
}

void BatchProgress::runEnded()
{
    if (!m_timer.isActive())
        return;
    m_timer.stop();
    m_window.setWindowTitle(m_title);
    emit ended();
}

// Entries added or removed during the run count as they stand: the total
// is what is done plus what is left.
void BatchProgress::show()
{
    const int done = m_filesDone() - m_doneBefore;
    const int total = done + m_filesLeft();
    m_window.setWindowTitle(QString("%1 — %2/%3").arg(m_title).arg(done).arg(total));
    emit progressed(total > 0 ? double(done) / total : 0.0);
}
