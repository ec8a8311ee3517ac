#pragma once

#include <QtGlobal>
#include <functional>
#include <limits>
#include <vector>

class Timer;

// The game's one logical clock. Timers fall due on it; the real game drives it from
// the wall clock, tests and the script driver advance it by hand. Ties between timers
// due at the same moment go to the one enabled first.
class Scheduler
{
public:
    Scheduler() = default;
    Scheduler(const Scheduler &) = delete;
    Scheduler &operator=(const Scheduler &) = delete;
    ~Scheduler();

    // The latest moment the clock reaches, millions of years into a career: waits and catch-ups
    // stop there, and a tick due after it never fires.
    static constexpr qint64 EndOfTime = std::numeric_limits<qint64>::max() / 2;

    // Logical milliseconds since the game started.
    qint64 now() const { return m_now; }

    // Fires, in order, every tick due up to now() + ms (at most EndOfTime), and leaves the clock
    // there. Does nothing while paused or for a negative ms.
    void advance(qint64 ms);

    // Fires what is due up to the logical time target (at most EndOfTime); a timer that has fallen
    // more than one interval behind fires once and resumes one interval from target, rather than in a burst.
    // Returns true when a timer skipped ahead so, which advance() to the same target would not do.
    bool catchUpTo(qint64 target);

    // How many ticks have fired since the game started.
    quint64 ticksFired() const { return m_ticksFired; }

    // The due time of the next tick, or -1 when no timer will tick again.
    qint64 nextDue() const;

    // Stops the clock while a modal box waits for the player; pauses nest.
    void pause();
    void resume();
    bool isPaused() const { return m_pauseDepth > 0; }
    // Whether a tick's handler is running now.
    bool isFiring() const { return m_firing; }

    // Called whenever a timer starts, stops or changes and when the clock pauses or resumes,
    // so a wall-clock driver can re-arm.
    void setChangeListener(std::function<void()> listener) { m_changeListener = std::move(listener); }

private:
    friend class Timer;
    void attach(Timer *timer);
    void detach(Timer *timer);
    void timerChanged();
    qint64 nextSequence() { return ++m_sequence; }
    // time + ms for times and intervals of 0 or more, held at the largest qint64 (a moment past
    // EndOfTime, so a tick that never comes) where the sum would not fit.
    static qint64 dueAfter(qint64 time, qint64 ms);
    // Returns true when a timer skipped ahead.
    bool fireUntil(qint64 target, bool skipAhead);
    Timer *nextDueTimer(qint64 target) const;

    std::vector<Timer *> m_timers;
    qint64 m_now = 0;
    qint64 m_sequence = 0;
    quint64 m_ticksFired = 0;
    int m_pauseDepth = 0;
    bool m_firing = false;
    std::function<void()> m_changeListener;
};
