#include "training/SandBag.h"

#include "app/Game.h"
#include "options/KeyBindings.h"
#include "platform/LineWidget.h"
#include "platform/ShapeWidget.h"
#include "platform/Twips.h"

#include <QPushButton>

namespace {
constexpr int BagTop = 480;
constexpr int BagWidth = 1215;
constexpr int BagHeight = 2175;
// The chains leave the bag's top edge this far right of its left edge, 360 apart, and meet at one hook.
constexpr int FirstChainOffset = 240;
constexpr int ChainSpacing = 360;
constexpr int HookX = 1680;
constexpr int HookY = 0;
constexpr qint64 ClockTick = 100;

const TrainingScreen::Layout ScreenLayout{
    .client = {3960, 5355},
    .clock = {1620, 120, 645, 345},
    .picture = {240, 600, 3495, 2895},
    .strength = {480, 4920, 1575, 375},
    .hits = {2640, 4800, 915, 225},
    .misses = {2640, 5040, 675, 225},
};

struct PunchButton
{
    const char *caption;
    quint32 colour;
    QRect place;
    Qt::Key key;
};

// Left hook to right hook, one for each place of the bag; the keys lie left to right under both hands.
const PunchButton PunchButtons[5] = {
    {"左フック", 0xFFC0C0, {240, 3600, 855, 495}, Qt::Key_A},
    {"左ストレート", 0xFFFFC0, {480, 4200, 1335, 495}, Qt::Key_S},
    {"ジャブ", 0xC0FFC0, {1560, 3600, 855, 495}, Qt::Key_D},
    {"右ストレート", 0xC0FFFF, {2160, 4200, 1335, 495}, Qt::Key_K},
    {"右フック", 0x80C0FF, {2880, 3600, 855, 495}, Qt::Key_L},
};
} // namespace

SandBag::SandBag(Game &game)
    : TrainingScreen(game, QStringLiteral("SandBag"), QStringLiteral("サンドバッグ"), ScreenLayout, DayKind::SandBag)
{
    m_watchCount.setInterval(ClockTick);
    m_watchCount.setOnTick([this] { watchCountTimer(); });

    m_bag = new ShapeWidget(ShapeWidget::Kind::RoundedRectangle, picture(), QStringLiteral("shpSandBag"));
    m_bag->setFill(vbColor(0x0000FF));
    for (int i = 0; i < 3; ++i)
        m_chain[i] = new LineWidget(picture(), QStringLiteral("Turusi(%1)").arg(i), Qt::black, 3);

    auto *keys = new KeyBindings(*this);
    for (int i = 0; i < 5; ++i) {
        const PunchButton &punch = PunchButtons[i];
        const QString caption = QString::fromUtf8(punch.caption);
        QPushButton *button = addPunchButton(QStringLiteral("Punch(%1)").arg(i), caption, punch.colour, 9, punch.place);
        connect(button, &QPushButton::clicked, this, [this, i] { punchClick(i); });
        keys->bindClick(punch.key, button);
        button->setToolTip(QStringLiteral("%1 (%2)").arg(caption, QChar(char16_t(punch.key))));
    }

    drawBag(BagMiddlePlace);
    showClock(ClockReading{});
    showHits(0);
    showMisses(0);
}

void SandBag::subOriginal()
{
    GameState &state = m_game.state();
    showStrength();
    state.varKekka = 0;
    state.varBagHit = 0;
    state.varBagMiss = 0;
    state.varBagPos = BagMiddlePlace;
    showHits(0);
    showMisses(0);
    drawBag(BagMiddlePlace);
    const ClockReading start;
    state.varClockMin = start.minutes;
    state.varClockSec = start.seconds;
    showClock(start);
    m_watchCount.setInterval(ClockTick);
    m_watchCount.setEnabled(true);
}

void SandBag::holdActivity()
{
    m_watchCount.setEnabled(false);
}

void SandBag::releaseActivity()
{
    m_watchCount.setEnabled(true);
}

void SandBag::punchClick(int index)
{
    GameState &state = m_game.state();
    const int place = state.varBagPos.toInt();
    if (index == place) {
        state.varBagHit = state.varBagHit.toInt() + 1;
        showHits(state.varBagHit.toInt());
        m_game.sound().play(QStringLiteral("punchBigHit.wav"));
        state.varSandHit = state.varSandHit.toInt() + 1;
        const BagSwing swing = drawBagSwing(place, m_game.random());
        state.varBagSwing = swing;
        state.varBagPos = bagPlaceAfter(place, swing);
        if (swing != BagStays)
            drawBag(state.varBagPos.toInt());
    } else {
        // A miss leaves the bag where it hangs, so the player can try the same place again.
        ++state.varBagMiss;
        showMisses(state.varBagMiss);
        m_game.sound().play(QStringLiteral("punchNo.wav"));
        state.varSandMiss = state.varSandMiss.toInt() + 1;
    }
    payForPunch();
}

void SandBag::watchCountTimer()
{
    GameState &state = m_game.state();
    const ClockReading clock = tickClock({state.varClockMin, state.varClockSec.toInt()});
    state.varClockMin = clock.minutes;
    state.varClockSec = clock.seconds;
    showClock(clock);
    if (isTimeUp(clock))
        subEnd();
}

void SandBag::subEnd()
{
    const GameState &state = m_game.state();
    const int net = state.varBagHit.toInt() - state.varBagMiss;
    finishWorkout(net, bagGain(net), CharaTable::Punch, QStringLiteral("パンチ力が"));
}

void SandBag::drawBag(int place)
{
    const int left = bagLeft(place);
    placeTwips(m_bag, left, BagTop, BagWidth, BagHeight);
    for (int i = 0; i < 3; ++i)
        m_chain[i]->setEnds(left + FirstChainOffset + ChainSpacing * i, BagTop, HookX, HookY);
}

QJsonObject SandBag::scriptState() const
{
    return QJsonObject{{"WatchCount", timerState(m_watchCount)}};
}
