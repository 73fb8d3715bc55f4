#include "controls/xpprogressbar/valuenotice.h"

#include <utility>

ValueNotice::ValueNotice(std::function<void(int)> tell, QObject *parent)
    : QObject(parent)
    , m_tell(std::move(tell))
{
    m_pending.setSingleShot(true);
    connect(&m_pending, &QTimer::timeout, this, &ValueNotice::tellNow);
}

// Values in between wait; only the latest is told when the time comes.
void ValueNotice::valueChanged(int value)
{
    m_value = value;
    const qint64 since = m_sinceTold.isValid() ? m_sinceTold.elapsed() : IntervalMs;
    if (since >= IntervalMs)
        tellNow();
    else if (!m_pending.isActive())
        m_pending.start(int(IntervalMs - since));
}

void ValueNotice::tellNow()
{
    m_pending.stop();
    m_sinceTold.start();
    m_tell(m_value);
}
