#include "training/core/TrainingRules.h"

#include "platform/core/Random.h"

#include <cmath>

namespace {
constexpr int BallStep = 100;
constexpr int BallFarLeft = 500;
constexpr int BallFarRight = 1800;
constexpr int BallHitFrom = 1100;
constexpr int BallHitTo = 1300;
constexpr qint64 BallFastestInterval = 10;
constexpr qint64 BallSpeedUp = 5;

constexpr int BagMiddleLeft = 1080;
constexpr int BagStep = 200;
} // namespace

int strengthAfterPunch(int strength)
{
    return strength - PunchCost;
}

bool hasCollapsed(int strength)
{
    return strength < 1;
}

int strengthAfterCollapse(int maxStrength)
{
    // The double product, rounded down: 0.7 × 90 lies just below 63, so 62.
    return static_cast<int>(std::floor(0.7 * maxStrength));
}

ClockReading tickClock(ClockReading clock)
{
    --clock.seconds;
    if (clock.seconds < 0) {
        --clock.minutes;
        clock.seconds = 59;
    }
    return clock;
}

QString clockText(ClockReading clock)
{
    return QString::number(clock.minutes) +
           (clock.seconds < 10 ? QStringLiteral(":0") : QStringLiteral(":")) + QString::number(clock.seconds);
}

bool isTimeUp(ClockReading clock)
{
    return clock.minutes == 0 && clock.seconds == 0;
}

BallSwing swingBall(BallSwing swing)
{
    switch (swing.state) {
    case BallMovingLeft:
        swing.left -= BallStep;
        if (swing.left == BallFarLeft)
            swing.state = BallMovingRight;
        break;
    case BallMovingRight:
        swing.left += BallStep;
        if (swing.left == BallFarRight)
            swing.state = BallMovingLeft;
        break;
    case BallAtRest:
        break;
    }
    return swing;
}

qint64 nextBallInterval(qint64 intervalMs)
{
    return intervalMs > BallFastestInterval ? intervalMs - BallSpeedUp : intervalMs;
}

bool ballIsHit(int ballLeft)
{
    return ballLeft >= BallHitFrom && ballLeft <= BallHitTo;
}

int ballGain(int net)
{
    // A third never ends in one half, so rounding to the nearest needs no tie rule.
    return net > 1 ? static_cast<int>(std::lround(net / 3.0)) : 0;
}

int bagLeft(int place)
{
    return BagMiddleLeft + (place - BagMiddlePlace) * BagStep;
}

BagSwing drawBagSwing(int place, Random &random)
{
    // At an edge the bag can only stay or come back inward.
    if (place <= BagFirstPlace)
        return static_cast<BagSwing>(random.below(2) + BagStays);
    if (place >= BagLastPlace)
        return static_cast<BagSwing>(random.below(2) + BagSwingLeft);
    return static_cast<BagSwing>(random.below(3) + BagSwingLeft);
}

int bagPlaceAfter(int place, BagSwing swing)
{
    return place + (swing - BagStays);
}

int bagGain(int net)
{
    return net > 10 ? net / 11 : 0;
}
