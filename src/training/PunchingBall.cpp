#include "training/PunchingBall.h"

#include "app/Game.h"
#include "options/KeyBindings.h"
#include "platform/LineWidget.h"
#include "platform/ShapeWidget.h"
#include "platform/Twips.h"

#include <QPushButton>

namespace {
constexpr int BallTop = 1320;
constexpr int BallSize = 975;
// The cords meet the ball this far right of its left edge, and end at the ceiling and the floor.
constexpr int RopeOffset = 480;
constexpr int RopeX2 = 1680;
constexpr int UpperRopeY1 = 1320;
constexpr int UpperRopeY2 = 0;
constexpr int LowerRopeY1 = 2280;
constexpr int LowerRopeY2 = 3480;
constexpr qint64 ClockTick = 100;
constexpr qint64 BallStartInterval = 350;

const TrainingScreen::Layout ScreenLayout{
    .client = {3645, 4695},
    .clock = {1500, 80, 645, 350},
    .picture = {120, 480, 3375, 3495},
    .strength = {0, 4080, 1215, 375},
    .hits = {2520, 4080, 915, 225},
    .misses = {2520, 4320, 675, 225},
};
} // namespace

PunchingBall::PunchingBall(Game &game)
    : TrainingScreen(game, QStringLiteral("PunchingBall"), QStringLiteral("Punching Ball"), ScreenLayout,
                     DayKind::PunchingBall),
      m_ballMoveTimer(game.scheduler(), [this] { ballMoveTimer(); })
{
    m_watchCount.setInterval(ClockTick);
    m_watchCount.setOnTick([this] { watchCountTimer(); });
    m_ballMoveTimer.setInterval(BallStartInterval);

    // The cords first, so the ball hangs in front of their ends.
    for (int i = 0; i < 2; ++i)
        m_rope[i] = new LineWidget(picture(), QStringLiteral("Rope(%1)").arg(i), Qt::black, 3);
    m_ball = new ShapeWidget(ShapeWidget::Kind::Circle, picture(), QStringLiteral("Ball"));
    m_ball->setFill(QColor(128, 128, 128));
    drawBall();

    QPushButton *punch = addPunchButton(QStringLiteral("Punch"), QStringLiteral("Punch !"), 0xFFFFC0, 12,
                                        {1320, 4080, 1095, 495});
    connect(punch, &QPushButton::clicked, this, &PunchingBall::punchClick);
    auto *keys = new KeyBindings(*this);
    keys->bindClick(Qt::Key_Space, punch);
    punch->setToolTip(QStringLiteral("Punch ! (Space)"));

    showClock(m_clock);
    showHits(0);
    showMisses(0);
}

void PunchingBall::subOriginal()
{
    showStrength();
    m_hits = 0;
    m_misses = 0;
    m_swing = BallSwing{};
    m_game.state().varKekka = 0;
    m_ballMoveTimer.setInterval(BallStartInterval);
    showHits(m_hits);
    showMisses(m_misses);
    drawBall();
    m_clock = ClockReading{};
    showClock(m_clock);
    m_watchCount.setEnabled(true);
    m_ballMoveTimer.setEnabled(true);
}

void PunchingBall::holdActivity()
{
    m_watchCount.setEnabled(false);
    m_ballMoveTimer.setEnabled(false);
}

void PunchingBall::releaseActivity()
{
    m_watchCount.setEnabled(true);
    m_ballMoveTimer.setEnabled(true);
}

void PunchingBall::punchClick()
{
    GameState &state = m_game.state();
    if (ballIsHit(m_swing.left)) {
        ++m_hits;
        showHits(m_hits);
        m_game.sound().play(QStringLiteral("punchHit.wav"));
        state.varBallHit = state.varBallHit.toInt() + 1;
    } else {
        ++m_misses;
        showMisses(m_misses);
        m_game.sound().play(QStringLiteral("punchNo.wav"));
        ++state.varBallMiss;
    }
    if (payForPunch())
        return;
    // The resting ball hangs in the hit window, so this first punch has landed and sets it going.
    if (m_swing.state == BallAtRest)
        m_swing.state = BallMovingLeft;
}

void PunchingBall::ballMoveTimer()
{
    const BallSwing next = swingBall(m_swing);
    const bool moved = next.left != m_swing.left;
    m_swing = next;
    if (moved)
        drawBall();
    // The speed-up runs from setup on, also while the ball still waits for the first punch.
    m_ballMoveTimer.setInterval(nextBallInterval(m_ballMoveTimer.interval()));
}

void PunchingBall::watchCountTimer()
{
    m_clock = tickClock(m_clock);
    showClock(m_clock);
    if (isTimeUp(m_clock))
        subEnd();
}

void PunchingBall::subEnd()
{
    const int net = m_hits - m_misses;
    finishWorkout(net, ballGain(net), CharaTable::Quick, QStringLiteral("瞬発力が"));
}

void PunchingBall::drawBall()
{
    // Only the ball and the ball ends of the cords move: a step redraws three small
    // widgets and nothing else on the screen, so a step every 10 ms stays cheap.
    placeTwips(m_ball, m_swing.left, BallTop, BallSize, BallSize);
    const int x1 = m_swing.left + RopeOffset;
    m_rope[0]->setEnds(x1, UpperRopeY1, RopeX2, UpperRopeY2);
    m_rope[1]->setEnds(x1, LowerRopeY1, RopeX2, LowerRopeY2);
}

QJsonObject PunchingBall::scriptState() const
{
    return QJsonObject{{"hits", m_hits},
                       {"misses", m_misses},
                       {"ballState", m_swing.state},
                       {"minutes", m_clock.minutes},
                       {"seconds", m_clock.seconds},
                       {"WatchCount", timerState(m_watchCount)},
                       {"BallMoveTimer", timerState(m_ballMoveTimer)}};
}
