#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

// Passes a control's value on to screen readers at most once every
// IntervalMs, and its last value always, a moment later if need be. A
// batch of small files moves the bar thousands of times a minute; an event
// for each buried the screen reader.
class ValueNotice : public QObject {
    Q_OBJECT

public:
    static constexpr int IntervalMs = 250;

    // tell is given each value passed on.
    explicit ValueNotice(std::function<void(int)> tell, QObject *parent = nullptr);

    void valueChanged(int value);

private:
    void tellNow();

    std::function<void(int)> m_tell;
    int m_value = 0;
    QElapsedTimer m_sinceTold;
    QTimer m_pending;
};
