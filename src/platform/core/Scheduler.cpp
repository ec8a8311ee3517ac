#include "platform/core/Scheduler.h"

#include "platform/core/Timer.h"

#include <algorithm>
#include <limits>

Scheduler::~Scheduler()
{
    for (Timer *timer : m_timers)
        timer->m_scheduler = nullptr;
}

void Scheduler::attach(Timer *timer)
{
    m_timers.push_back(timer);
}

void Scheduler::detach(Timer *timer)
{
    std::erase(m_timers, timer);
    timerChanged();
}

void Scheduler::timerChanged()
{
    if (m_changeListener)
        m_changeListener();
}

qint64 Scheduler::dueAfter(qint64 time, qint64 ms)
{
    constexpr qint64 never = std::numeric_limits<qint64>::max();
    return ms > never - time ? never : time + ms;
}

void Scheduler::advance(qint64 ms)
{
    if (isPaused() || ms < 0)
        return;
    // The clock never passes EndOfTime, so no wait, however long, can carry it past what a qint64 holds.
    fireUntil(ms > EndOfTime - m_now ? EndOfTime : m_now + ms, false);
}

bool Scheduler::catchUpTo(qint64 target)
{
    if (isPaused() || target < m_now)
        return false;
    return fireUntil(std::min(target, EndOfTime), true);
}

qint64 Scheduler::nextDue() const
{
    const Timer *next = nextDueTimer(EndOfTime);
    return next ? next->m_due : -1;
}

void Scheduler::pause()
{
    ++m_pauseDepth;
    timerChanged();
}

void Scheduler::resume()
{
    if (m_pauseDepth > 0)
        --m_pauseDepth;
    timerChanged();
}

Timer *Scheduler::nextDueTimer(qint64 target) const
{
    Timer *best = nullptr;
    for (Timer *timer : m_timers) {
        if (!timer->isRunning() || timer->m_due > target)
            continue;
        if (!best || timer->m_due < best->m_due ||
            (timer->m_due == best->m_due && timer->m_sequence < best->m_sequence))
            best = timer;
    }
    return best;
}

bool Scheduler::fireUntil(qint64 target, bool skipAhead)
{
    // A handler that opens a box or pumps events must not start a second round of ticks.
    if (m_firing)
        return false;
    m_firing = true;
    bool skipped = false;
    while (!isPaused()) {
        Timer *timer = nextDueTimer(target);
        if (!timer)
            break;
        m_now = timer->m_due;
        // The next tick is due one interval after this one was due, not after the handler
        // finished, so the clock does not drift with the cost of the handlers.
        timer->m_due = dueAfter(timer->m_due, timer->m_interval);
        if (skipAhead && target - timer->m_due >= timer->m_interval) {
            timer->m_due = dueAfter(target, timer->m_interval);
            skipped = true;
        }
        ++m_ticksFired;
        timer->fire();
    }
    if (!isPaused())
        m_now = std::max(m_now, target);
    m_firing = false;
    timerChanged();
    return skipped;
}
