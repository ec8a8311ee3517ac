#include "platform/core/Random.h"
#include "training/core/TrainingRules.h"

#include <QTest>
#include <algorithm>
#include <cmath>

namespace {
// Always draws the same value, so a test decides the bag's swing.
class SameDraw : public Random
{
public:
    explicit SameDraw(double draw) : m_draw(draw) {}
    double next() override { return m_draw; }

private:
    double m_draw;
};
} // namespace

class TrainingRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void ballGainIsNetOverThreeRounded_data()
    {
        QTest::addColumn<int>("net");
        QTest::addColumn<int>("gain");
        QTest::newRow("more misses than hits") << -4 << 0;
        QTest::newRow("nothing") << 0 << 0;
        QTest::newRow("net 1 is too little") << 1 << 0;
        QTest::newRow("net 2 rounds up to 1") << 2 << 1;
        QTest::newRow("net 4 rounds down to 1") << 4 << 1;
        QTest::newRow("net 5 rounds up to 2") << 5 << 2;
        QTest::newRow("net 8") << 8 << 3;
        QTest::newRow("net 30") << 30 << 10;
    }
    void ballGainIsNetOverThreeRounded()
    {
        QFETCH(int, net);
        QFETCH(int, gain);
        QCOMPARE(ballGain(net), gain);
    }

    // Rounding a third to the nearest never meets a half: every net from 2 gives (net + 1) / 3.
    void ballGainMatchesTheIntegerFormula()
    {
        for (int net = 2; net <= 2000; ++net)
            QCOMPARE(ballGain(net), (net + 1) / 3);
    }

    void bagGainIsWholeElevenths_data()
    {
        QTest::addColumn<int>("net");
        QTest::addColumn<int>("gain");
        QTest::newRow("more misses than hits") << -30 << 0;
        QTest::newRow("net 10 is too little") << 10 << 0;
        QTest::newRow("net 11") << 11 << 1;
        QTest::newRow("net 21") << 21 << 1;
        QTest::newRow("net 22") << 22 << 2;
        QTest::newRow("net 99") << 99 << 9;
    }
    void bagGainIsWholeElevenths()
    {
        QFETCH(int, net);
        QFETCH(int, gain);
        QCOMPARE(bagGain(net), gain);
    }

    // The double product 0.7 × maximum lies just below the whole number for some maxima.
    void collapseLeavesSevenTenthsRoundedDown_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("strength");
        QTest::newRow("90 gives 62") << 90 << 62;
        QTest::newRow("100 gives 70") << 100 << 70;
        QTest::newRow("180 gives 125") << 180 << 125;
        QTest::newRow("350 gives 244") << 350 << 244;
        QTest::newRow("new boxer") << 500 << 350;
        QTest::newRow("nothing") << 0 << 0;
    }
    void collapseLeavesSevenTenthsRoundedDown()
    {
        QFETCH(int, maximum);
        QFETCH(int, strength);
        QCOMPARE(strengthAfterCollapse(maximum), strength);
    }

    void punchCostsEightAndCollapsesBelowOne_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::addColumn<bool>("collapsed");
        QTest::newRow("9 leaves 1") << 9 << 1 << false;
        QTest::newRow("8 leaves 0") << 8 << 0 << true;
        QTest::newRow("3 goes below 0") << 3 << -5 << true;
        QTest::newRow("full strength") << 500 << 492 << false;
    }
    void punchCostsEightAndCollapsesBelowOne()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        QFETCH(bool, collapsed);
        QCOMPARE(strengthAfterPunch(before), after);
        QCOMPARE(hasCollapsed(strengthAfterPunch(before)), collapsed);
    }

    void clockShowsMinutesAndTwoDigitSeconds_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("timeUp");
        QTest::newRow("first tick") << 3 << 0 << "2:59" << false;
        QTest::newRow("single digit seconds") << 2 << 10 << "2:09" << false;
        QTest::newRow("a minute turns") << 1 << 0 << "0:59" << false;
        QTest::newRow("last tick") << 0 << 1 << "0:00" << true;
    }
    void clockShowsMinutesAndTwoDigitSeconds()
    {
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        QFETCH(QString, after);
        QFETCH(bool, timeUp);
        const ClockReading next = tickClock({minutes, seconds});
        QCOMPARE(clockText(next), after);
        QCOMPARE(isTimeUp(next), timeUp);
    }

    // Three minutes are 180 ticks, and time is up on the last of them and no sooner.
    void clockRunsOutOnTheLastOf180Ticks()
    {
        ClockReading clock;
        QCOMPARE(clockText(clock), QStringLiteral("3:00"));
        for (int tick = 1; tick < 180; ++tick) {
            clock = tickClock(clock);
            QVERIFY2(!isTimeUp(clock), qPrintable(clockText(clock)));
        }
        clock = tickClock(clock);
        QVERIFY(isTimeUp(clock));
    }

    void ballHitWindow_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<bool>("hit");
        QTest::newRow("1000 misses") << 1000 << false;
        QTest::newRow("1100 hits") << 1100 << true;
        QTest::newRow("resting ball hits") << 1200 << true;
        QTest::newRow("1300 hits") << 1300 << true;
        QTest::newRow("1400 misses") << 1400 << false;
        QTest::newRow("far left") << 500 << false;
        QTest::newRow("far right") << 1800 << false;
    }
    void ballHitWindow()
    {
        QFETCH(int, left);
        QFETCH(bool, hit);
        QCOMPARE(ballIsHit(left), hit);
    }

    void ballAtRestStaysPut()
    {
        QCOMPARE(swingBall(BallSwing{}), BallSwing{});
    }

    // One swing goes 1200 → 500 → 1800 → 1200 in 26 steps, six of them inside the hit window.
    void ballSwingCycle()
    {
        BallSwing swing{BallRestLeft, BallMovingLeft};
        QList<int> lefts;
        for (int step = 0; step < 26; ++step) {
            swing = swingBall(swing);
            lefts.append(swing.left);
        }
        QCOMPARE(lefts.mid(0, 8), (QList<int>{1100, 1000, 900, 800, 700, 600, 500, 600}));
        QCOMPARE(lefts.at(19), 1800);
        QCOMPARE(lefts.at(20), 1700);
        QCOMPARE(swing, (BallSwing{BallRestLeft, BallMovingLeft}));
        QCOMPARE(std::count_if(lefts.cbegin(), lefts.cend(), ballIsHit), 6);
        for (int left : lefts)
            QVERIFY(left >= 500 && left <= 1800 && left % 100 == 0);
    }

    void ballTurnsAtTheEnds_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("leftAfter");
        QTest::addColumn<int>("stateAfter");
        QTest::newRow("reaching the far left turns right")
            << 600 << int(BallMovingLeft) << 500 << int(BallMovingRight);
        QTest::newRow("reaching the far right turns left")
            << 1700 << int(BallMovingRight) << 1800 << int(BallMovingLeft);
        QTest::newRow("middle going right") << 1200 << int(BallMovingRight) << 1300 << int(BallMovingRight);
    }
    void ballTurnsAtTheEnds()
    {
        QFETCH(int, left);
        QFETCH(int, state);
        QFETCH(int, leftAfter);
        QFETCH(int, stateAfter);
        const BallSwing after = swingBall({left, static_cast<BallState>(state)});
        QCOMPARE(after.left, leftAfter);
        QCOMPARE(int(after.state), stateAfter);
    }

    // The ball's timer speeds up 5 ms a tick from 350 ms and holds at 10 ms after 68 ticks (12.41 s).
    void ballSpeedsUpToTenMilliseconds()
    {
        qint64 interval = 350;
        qint64 elapsed = 0;
        int ticks = 0;
        while (interval > 10) {
            elapsed += interval;
            interval = nextBallInterval(interval);
            ++ticks;
        }
        QCOMPARE(ticks, 68);
        QCOMPARE(elapsed, 12410);
        QCOMPARE(nextBallInterval(10), 10);
        QCOMPARE(nextBallInterval(15), 10);
    }

    void bagSwingByPlace_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("swing");
        QTest::addColumn<int>("placeAfter");
        QTest::newRow("middle, low draw: left") << 2 << 0.0 << int(BagSwingLeft) << 1;
        QTest::newRow("middle, just under a third: left") << 2 << 0.333 << int(BagSwingLeft) << 1;
        QTest::newRow("middle, a third: stays") << 2 << 0.34 << int(BagStays) << 2;
        QTest::newRow("middle, high draw: right") << 2 << 0.99 << int(BagSwingRight) << 3;
        QTest::newRow("place 1 can go to the edge") << 1 << 0.0 << int(BagSwingLeft) << 0;
        QTest::newRow("place 3 can go to the edge") << 3 << 0.9 << int(BagSwingRight) << 4;
        QTest::newRow("left edge, low draw: stays") << 0 << 0.0 << int(BagStays) << 0;
        QTest::newRow("left edge, half: back right") << 0 << 0.5 << int(BagSwingRight) << 1;
        QTest::newRow("left edge, high draw: back right") << 0 << 0.999 << int(BagSwingRight) << 1;
        QTest::newRow("right edge, low draw: back left") << 4 << 0.0 << int(BagSwingLeft) << 3;
        QTest::newRow("right edge, half: stays") << 4 << 0.5 << int(BagStays) << 4;
        QTest::newRow("right edge, high draw: stays") << 4 << 0.999 << int(BagStays) << 4;
    }
    void bagSwingByPlace()
    {
        QFETCH(int, place);
        QFETCH(double, draw);
        QFETCH(int, swing);
        QFETCH(int, placeAfter);
        SameDraw random(draw);
        const BagSwing drawn = drawBagSwing(place, random);
        QCOMPARE(int(drawn), swing);
        QCOMPARE(bagPlaceAfter(place, drawn), placeAfter);
    }

    // Whatever the draw, the bag never leaves its five places.
    void bagNeverLeavesItsPlaces()
    {
        for (int place = BagFirstPlace; place <= BagLastPlace; ++place)
            for (int step = 0; step < 100; ++step) {
                SameDraw random(step / 100.0);
                const int after = bagPlaceAfter(place, drawBagSwing(place, random));
                QVERIFY(after >= BagFirstPlace && after <= BagLastPlace);
                QVERIFY(std::abs(after - place) <= 1);
            }
    }

    void bagLeftByPlace_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<int>("left");
        QTest::newRow("left hook") << 0 << 680;
        QTest::newRow("left straight") << 1 << 880;
        QTest::newRow("jab") << 2 << 1080;
        QTest::newRow("right straight") << 3 << 1280;
        QTest::newRow("right hook") << 4 << 1480;
    }
    void bagLeftByPlace()
    {
        QFETCH(int, place);
        QFETCH(int, left);
        QCOMPARE(bagLeft(place), left);
    }
};

QTEST_APPLESS_MAIN(TrainingRulesTest)
#include "test_training_rules.moc"
