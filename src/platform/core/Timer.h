#pragma once

#include <QtGlobal>
#include <functional>

class Scheduler;

// A game timer on the logical clock. An interval of 0 keeps an enabled timer silent;
// enabling a stopped timer starts a full interval from now; enabling a running timer
// changes nothing; changing the interval restarts the countdown.
class Timer
{
public:
    Timer(Scheduler &scheduler, std::function<void()> onTick = {});
    Timer(const Timer &) = delete;
    Timer &operator=(const Timer &) = delete;
    ~Timer();

    void setOnTick(std::function<void()> onTick) { m_onTick = std::move(onTick); }

    qint64 interval() const { return m_interval; }
    // Sets the interval in ms; a running timer restarts its countdown.
    void setInterval(qint64 ms);

    bool isEnabled() const { return m_enabled; }
    // Starts or stops the timer.
    void setEnabled(bool enabled);

    // Whether the timer will tick (enabled with an interval above 0).
    bool isRunning() const { return m_enabled && m_interval > 0; }
    qint64 dueTime() const { return m_due; }

private:
    friend class Scheduler;
    void restart();
    void fire();

    Scheduler *m_scheduler;
    std::function<void()> m_onTick;
    qint64 m_interval = 0;
    bool m_enabled = false;
    qint64 m_due = 0;
    qint64 m_sequence = 0;
};
