#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QWidget;

// Shows how far a run through the list has come where desktops look for
// it, since the bar follows each file: in the window's title ("Tervolan —
// 312/2000"), which the taskbar shows and screen readers read, and through
// progressed() for the launcher entry. Both are brought up to date a few
// times a second, not per file: in a batch of small files that would flood
// the desktop and the screen reader. The header the window draws keeps its
// own caption.
class BatchProgress : public QObject {
    Q_OBJECT

public:
    static constexpr int ShownEveryMs = 500;

    // filesLeft counts the entries still on the list; filesDone counts
    // the inputs the job has finished (written or skipped) since the
    // program started.
    BatchProgress(QWidget &window, std::function<int()> filesLeft, std::function<int()> filesDone,
                  QObject *parent = nullptr);

    void runStarted();
    // The title is the window's own again and the launcher shows no
    // progress; a second call does nothing.
    void runEnded();

signals:
    // How much of the run is done, from 0 to 1.
    void progressed(double fraction);
    void ended();

private:
    void show();

    QWidget &m_window;
    std::function<int()> m_filesLeft;
    std::function<int()> m_filesDone;
    QTimer m_timer;
    QString m_title;
    int m_doneBefore = 0;
};
