#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

class Scheduler;

// Drives the game's logical clock from the wall clock in the real game: one precise
// timer wakes at the next due tick. Time spent with the clock paused (a box open) is
// left out, so the game resumes where it stopped. A driver that takes over a game already
// under way (after a replay) starts the wall clock at that game's time.
class WallClockDriver : public QObject
{
    Q_OBJECT
public:
    // Drives the scheduler from now on, the wall clock standing at game time startAt.
    explicit WallClockDriver(Scheduler &scheduler, qint64 startAt = 0, QObject *parent = nullptr);
    ~WallClockDriver() override;

    // Fires what is due up to the wall clock's moment now, as if the alarm had just rung.
    void catchUp() { wake(); }

    // Told after each catch-up of the game clock: where it stood, where it caught up to, and
    // whether a timer skipped ahead because the machine had stalled.
    using CatchUpListener = std::function<void(qint64 from, qint64 target, bool skipped)>;
    void setCatchUpListener(CatchUpListener listener) { m_catchUpListener = std::move(listener); }

    // The game time the wall clock stands at now, pauses left out.
    qint64 logicalNow() const;

private:
    qint64 wallMs() const;
    void wake();
    void rearm();

    Scheduler &m_scheduler;
    QElapsedTimer m_wall;
    QTimer m_alarm;
    qint64 m_startAt;
    qint64 m_pausedTotal = 0;
    qint64 m_pausedSince = -1;
    CatchUpListener m_catchUpListener;
};
