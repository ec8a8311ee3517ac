#include "platform/WallClockDriver.h"

#include "platform/core/Scheduler.h"

#include <algorithm>

WallClockDriver::WallClockDriver(Scheduler &scheduler, qint64 startAt, QObject *parent)
    : QObject(parent), m_scheduler(scheduler), m_startAt(startAt)
{
    m_wall.start();
    m_alarm.setSingleShot(true);
    m_alarm.setTimerType(Qt::PreciseTimer);
    connect(&m_alarm, &QTimer::timeout, this, &WallClockDriver::wake);
    m_scheduler.setChangeListener([this] { rearm(); });
    rearm();
}

WallClockDriver::~WallClockDriver()
{
    m_scheduler.setChangeListener({});
}

qint64 WallClockDriver::wallMs() const
{
    // Rounded rather than cut off: the alarm, armed in whole milliseconds, then falls within half
    // a millisecond either side of a tick's moment instead of up to a whole one after it.
    return (m_wall.nsecsElapsed() + 500000) / 1000000;
}

qint64 WallClockDriver::logicalNow() const
{
    return m_startAt + wallMs() - m_pausedTotal;
}

void WallClockDriver::wake()
{
    const qint64 from = m_scheduler.now();
    const qint64 target = logicalNow();
    const bool skipped = m_scheduler.catchUpTo(target);
    if (m_catchUpListener && !m_scheduler.isPaused())
        m_catchUpListener(from, m_scheduler.now(), skipped);
    rearm();
}

void WallClockDriver::rearm()
{
    if (m_scheduler.isPaused()) {
        if (m_pausedSince < 0)
            m_pausedSince = wallMs();
        m_alarm.stop();
        return;
    }
    if (m_pausedSince >= 0) {
        m_pausedTotal += wallMs() - m_pausedSince;
        m_pausedSince = -1;
    }
    const qint64 due = m_scheduler.nextDue();
    if (due < 0) {
        m_alarm.stop();
        return;
    }
    m_alarm.start(static_cast<int>(std::clamp<qint64>(due - logicalNow(), 0, 24 * 3600 * 1000)));
}
