#pragma once

#include "platform/core/Timer.h"
#include "training/TrainingScreen.h"
#include "training/core/TrainingRules.h"

#include <QJsonObject>

class LineWidget;
class ShapeWidget;

// The punching-ball training, which raises quickness: a ball between two cords starts
// swinging at the first punch, faster and faster, and "Punch !" lands while it passes
// the middle. Three minutes of game time, 8 strength a punch.
class PunchingBall : public TrainingScreen
{
    Q_OBJECT
public:
    explicit PunchingBall(Game &game);

    // Hangs the ball still in the middle, clears the counters, sets the clock to 3:00 and
    // starts the clock and the ball's timer (which speeds up from now on).
    void subOriginal() override;
    // Stops the clock and the ball.
    void holdActivity() override;
    // Starts the clock, then the ball.
    void releaseActivity() override;
    // Ends a workout that ran to 0:00: the gong, the net score and the quickness gained.
    void subEnd();

    // The workout's own counters, the ball and both timers, for the script driver.
    Q_INVOKABLE QJsonObject scriptState() const;

private:
    void punchClick();
    void ballMoveTimer();
    void watchCountTimer();
    void drawBall();

    Timer m_ballMoveTimer;
    ShapeWidget *m_ball = nullptr;
    LineWidget *m_rope[2] = {};
    int m_hits = 0;
    qint32 m_misses = 0;
    BallSwing m_swing;
    ClockReading m_clock;
};
