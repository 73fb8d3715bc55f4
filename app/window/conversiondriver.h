#pragma once

#include <QObject>
#include <QTimer>

class ConversionJob;
class PathList;

// Runs the conversion job from the window's event loop: a zero-time timer
// takes steps for a few milliseconds at a time and then lets the window
// repaint and take input, so every handler runs between steps, never inside
// one, and the job never runs inside a handler.
class ConversionDriver : public QObject {
    Q_OBJECT

public:
    explicit ConversionDriver(ConversionJob &job, QObject *parent = nullptr);

    // Starts a run over the list (see ConversionJob::start); ignored while
    // one is under way. Returns whether a run started.
    bool start(PathList &list);
    bool isRunning() const;
    // Ends the run where it stands, dropping the document being written;
    // finished() is not sent.
    void abandon();

signals:
    // A slice of steps was taken and the run goes on; the window gets its
    // turn next.
    void stepsTaken();
    // The run ended by itself: the list is done or the writer failed.
    void finished();

private:
    void takeSteps();

    ConversionJob &m_job;
    QTimer m_timer;
};
