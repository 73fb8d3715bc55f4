#include "app/window/windoweventpump.h"

#include <QCoreApplication>

namespace {

constexpr int EventIntervalMs = 15;

} // namespace

void WindowEventPump::processPendingEvents()
{
    if (m_sinceEvents.isValid() && m_sinceEvents.elapsed() < EventIntervalMs)
        return;
    QCoreApplication::processEvents();
    m_sinceEvents.start();
}
