#include "platform/core/Timer.h"

#include "platform/core/Scheduler.h"

Timer::Timer(Scheduler &scheduler, std::function<void()> onTick)
    : m_scheduler(&scheduler), m_onTick(std::move(onTick))
{
    m_scheduler->attach(this);
}

Timer::~Timer()
{
    if (m_scheduler)
        m_scheduler->detach(this);
}

void Timer::setInterval(qint64 ms)
{
    const qint64 interval = qMax<qint64>(0, ms);
    if (interval == m_interval)
        return;
    m_interval = interval;
    if (m_enabled)
        restart();
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (m_enabled)
        restart();
    else if (m_scheduler)
        m_scheduler->timerChanged();
}

void Timer::restart()
{
    if (!m_scheduler)
        return;
    m_due = Scheduler::dueAfter(m_scheduler->now(), m_interval);
    m_sequence = m_scheduler->nextSequence();
    m_scheduler->timerChanged();
}

void Timer::fire()
{
    if (m_onTick)
        m_onTick();
}
