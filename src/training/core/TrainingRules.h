#pragma once

#include <QString>
#include <QtGlobal>

class Random;

// The rules of the two training games, the punching ball and the sandbag, and of the
// three-minute clock they share.

// Strength every punch costs, whether it lands or not.
constexpr int PunchCost = 8;

// The strength left after one more punch.
int strengthAfterPunch(int strength);

// Whether the boxer has collapsed with that strength left (below 1).
bool hasCollapsed(int strength);

// The strength a collapsed boxer comes back with from hospital: Int(0.7 × maximum strength).
int strengthAfterCollapse(int maxStrength);

// The three-minute workout clock: minutes and seconds of game time left.
struct ClockReading
{
    int minutes = 3;
    int seconds = 0;
    bool operator==(const ClockReading &other) const = default;
};

// The reading one clock second (one 100 ms tick) later.
ClockReading tickClock(ClockReading clock);

// The reading as the clock label shows it: minutes, a colon and two-digit seconds ("2:09").
QString clockText(ClockReading clock);

// Whether the clock has run down to 0:00.
bool isTimeUp(ClockReading clock);

// The punching ball.

// Ball states: hanging still before the first punch, swinging left, swinging right.
enum BallState : qint16 { BallAtRest = 0, BallMovingLeft = 1, BallMovingRight = 2 };

// Left edge of the ball, in twips inside its picture area, when it hangs still.
constexpr int BallRestLeft = 1200;

// Where the ball is and which way it goes.
struct BallSwing
{
    int left = BallRestLeft;
    BallState state = BallAtRest;
    bool operator==(const BallSwing &other) const = default;
};

// The ball one step later: 100 twips in its direction, turning at the far left (500) and far right (1800).
BallSwing swingBall(BallSwing swing);

// The ball's timer interval after one more step: 5 ms shorter until it reaches 10 ms.
qint64 nextBallInterval(qint64 intervalMs);

// Whether a punch lands with the ball's left edge there (1100 to 1300, both included).
bool ballIsHit(int ballLeft);

// Quickness gained for a net score of hits minus misses: Round(net / 3) above 1, else nothing.
int ballGain(int net);

// The sandbag.

// Places of the bag, left hook to right hook; the middle is where the jab lands.
constexpr int BagFirstPlace = 0;
constexpr int BagMiddlePlace = 2;
constexpr int BagLastPlace = 4;

// Swings of the bag after a hit.
enum BagSwing { BagSwingLeft = 1, BagStays = 2, BagSwingRight = 3 };

// The bag's left edge, in twips inside its picture area, at a place 0 to 4.
int bagLeft(int place);

// Draws the swing after a hit at a place 0 to 4: left, stay or right with one third each
// in the middle places, only stay or inward (one half each) at the two edges.
BagSwing drawBagSwing(int place, Random &random);

// The bag's place after a swing.
int bagPlaceAfter(int place, BagSwing swing);

// Punch power gained for a net score of hits minus misses: Int(net / 11) above 10, else nothing.
int bagGain(int net);
