#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

class Scheduler;

// Drives the game's logical clock from the wall clock in the real game: one precise
// timer wakes at the next due tick. Time spent with the clock paused (a box open) is
// left out, so the game resumes where it stopped.
class WallClockDriver : public QObject
{
    Q_OBJECT
public:
    explicit WallClockDriver(Scheduler &scheduler, QObject *parent = nullptr);
    ~WallClockDriver() override;

    // Fires what is due up to the wall clock's moment now, as if the alarm had just rung.
    void catchUp() { wake(); }

    // Told after each catch-up of the game clock: where it stood, where it caught up to, and
    // whether a timer skipped ahead because the machine had stalled.
    using CatchUpListener = std::function<void(qint64 from, qint64 target, bool skipped)>;
    void setCatchUpListener(CatchUpListener listener) { m_catchUpListener = std::move(listener); }

private:
    qint64 wallMs() const;
    qint64 logicalNow() const;
    void wake();
    void rearm();

    Scheduler &m_scheduler;
    QElapsedTimer m_wall;
    QTimer m_alarm;
    qint64 m_pausedTotal = 0;
    qint64 m_pausedSince = -1;
    CatchUpListener m_catchUpListener;
};
