#include "support/Careers.h"
#include "support/GameFixture.h"

#include "hub/MainCommand.h"
#include "platform/LineWidget.h"
#include "platform/Twips.h"
#include "training/PunchingBall.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

namespace {
// A new career on the hub, with the punching ball's instructions switched off so the
// workout starts at the click; strength and maximum strength as given.
struct BallWorkout
{
    explicit BallWorkout(int strength = 500, int maxStrength = 500)
    {
        startCareer(fixture);
        GameState &state = fixture.state();
        state.varSetsumeiOff[ActivityPunchingBall] = 1;
        state.Chara(CharaTable::PlayerRow, CharaTable::Strength) = strength;
        state.Chara(CharaTable::PlayerRow, CharaTable::MaxStrength) = maxStrength;
    }

    PunchingBall &start()
    {
        fixture.game->hub().findChild<QAbstractButton *>(QStringLiteral("cmdCommand(1)"))->click();
        startTime = fixture.game->scheduler().now();
        return fixture.game->punchingBall();
    }

    PunchingBall &screen() { return fixture.game->punchingBall(); }
    QString label(const char *name) { return screen().findChild<QLabel *>(QLatin1String(name))->text(); }
    int ballLeft() { return twipsGeometry(screen().findChild<QWidget *>(QStringLiteral("Ball"))).left(); }
    int ballState() { return screen().scriptState()["ballState"].toInt(); }
    qint64 ballInterval()
    {
        return screen().scriptState()["BallMoveTimer"].toObject()["interval"].toInteger();
    }
    void punch() { screen().findChild<QAbstractButton *>(QStringLiteral("Punch"))->click(); }

    // Lets the ball take one step: its timer is due one interval after its last tick.
    void step() { fixture.game->scheduler().advance(ballInterval()); }
    // Steps the ball until its left edge is there.
    bool stepTo(int left)
    {
        for (int steps = 0; steps < 30 && ballLeft() != left; ++steps)
            step();
        return ballLeft() == left;
    }
    // Steps the ball until a punch would land (or would miss), then punches.
    bool punchWhen(bool hit)
    {
        for (int steps = 0; steps < 30 && ballIsHit(ballLeft()) != hit; ++steps)
            step();
        if (ballIsHit(ballLeft()) != hit)
            return false;
        punch();
        return true;
    }
    int player(int column) { return fixture.state().Chara(CharaTable::PlayerRow, column).toInt(); }

    GameFixture fixture;
    qint64 startTime = 0;
};
} // namespace

class PunchingBallTest : public QObject
{
    Q_OBJECT
private slots:
    // The resting ball hangs in the window, so the first punch lands whenever it comes; the
    // ball's timer has been speeding up all the while, and the ball only moves after the punch.
    void firstPunchAlwaysHitsAndStartsTheBall()
    {
        BallWorkout workout;
        workout.start();
        QCOMPARE(workout.fixture.sound->played(), QStringList{"gong.wav"});
        workout.fixture.game->scheduler().advance(5000);
        QCOMPARE(workout.ballLeft(), 1200);
        QCOMPARE(workout.ballState(), int(BallAtRest));
        QVERIFY(workout.ballInterval() < 350);

        workout.punch();
        QCOMPARE(workout.label("HitNum"), QStringLiteral("HIT数：1"));
        QCOMPARE(workout.label("MissHit"), QStringLiteral("ミス：0"));
        QCOMPARE(workout.fixture.sound->played().last(), QStringLiteral("punchHit.wav"));
        QCOMPARE(workout.ballState(), int(BallMovingLeft));
        workout.step();
        QCOMPARE(workout.ballLeft(), 1100);
    }

    void punchLandsOnlyInTheWindow_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<bool>("hit");
        QTest::newRow("1100 hits") << 1100 << true;
        QTest::newRow("1000 misses") << 1000 << false;
        QTest::newRow("1300 hits on the way back") << 1300 << true;
        QTest::newRow("1400 misses on the way back") << 1400 << false;
    }
    void punchLandsOnlyInTheWindow()
    {
        QFETCH(int, left);
        QFETCH(bool, hit);
        BallWorkout workout;
        workout.start();
        workout.punch();
        // 1300 and 1400 are met after the turn at the far left, on the way right.
        if (left > 1200)
            QVERIFY(workout.stepTo(500));
        QVERIFY(workout.stepTo(left));
        const auto &rope = *workout.screen().findChild<LineWidget *>(QStringLiteral("Rope(1)"));
        QCOMPARE(rope.ends(), QLine(left + 480, 2280, 1680, 3480));

        workout.punch();
        const GameState &state = workout.fixture.state();
        QCOMPARE(workout.label("HitNum"), QStringLiteral("HIT数：%1").arg(hit ? 2 : 1));
        QCOMPARE(workout.label("MissHit"), QStringLiteral("ミス：%1").arg(hit ? 0 : 1));
        QCOMPARE(workout.fixture.sound->played().last(),
                 hit ? QStringLiteral("punchHit.wav") : QStringLiteral("punchNo.wav"));
        QCOMPARE(state.varBallHit, Cell(hit ? 2 : 1));
        QCOMPARE(state.varBallMiss, hit ? 0 : 1);
        // A hit and a miss cost the same.
        QCOMPARE(workout.player(CharaTable::Strength), 500 - 16);
        QCOMPARE(workout.label("MyHp"), QStringLiteral("体力：484"));
    }

    void punchMayCollapseTheBoxer_data()
    {
        QTest::addColumn<int>("strength");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("strengthAfter");
        QTest::addColumn<bool>("collapsed");
        QTest::newRow("9 leaves 1") << 9 << 500 << 1 << false;
        QTest::newRow("8 collapses, maximum 90") << 8 << 90 << 62 << true;
        QTest::newRow("8 collapses, maximum 100") << 8 << 100 << 70 << true;
        QTest::newRow("below 8 collapses") << 5 << 500 << 350 << true;
    }
    void punchMayCollapseTheBoxer()
    {
        QFETCH(int, strength);
        QFETCH(int, maximum);
        QFETCH(int, strengthAfter);
        QFETCH(bool, collapsed);
        BallWorkout workout(strength, maximum);
        PunchingBall &screen = workout.start();
        workout.fixture.sound->clear();
        workout.punch();

        const GameState &state = workout.fixture.state();
        QCOMPARE(workout.player(CharaTable::Strength), strengthAfter);
        QCOMPARE(state.varBallHit, Cell(1));
        if (!collapsed) {
            QCOMPARE(workout.label("MyHp"), QStringLiteral("体力：1"));
            QVERIFY(screen.isVisible());
            QVERIFY(workout.fixture.prompter->messageTexts().isEmpty());
            return;
        }
        QCOMPARE(workout.fixture.prompter->messageTexts(),
                 (QStringList{"練習中に力つきて救急車で運ばれた・・・。", "二日後・・・"}));
        QCOMPARE(workout.label("MyHp"), QStringLiteral("体力：0"));
        QVERIFY(!screen.isVisible());
        QVERIFY(workout.fixture.game->hub().isVisible());
        // The hospital day and the day advance: two days, but the countdown moves one.
        QCOMPARE(state.varNowDate, Cell(3));
        QCOMPARE(state.varNextDate, Cell(9));
        QCOMPARE(workout.player(CharaTable::Quick), 40);
        QCOMPARE(state.varKekka, 0);
        // No gong, and nothing more happens on the abandoned screen.
        workout.fixture.game->scheduler().advance(30000);
        QVERIFY(workout.fixture.sound->played() == QStringList{"punchHit.wav"});
        QCOMPARE(workout.fixture.prompter->messageTexts().size(), 2);
        QCOMPARE(state.varNowDate, Cell(3));
    }

    // The hospital day does not touch the countdown, so the day advance after it starts the bout.
    void collapseOnTheEveOfTheBoutGoesStraightToIt()
    {
        BallWorkout workout(8, 500);
        workout.fixture.state().varNextDate = 1;
        workout.start();
        workout.punch();
        const GameState &state = workout.fixture.state();
        QCOMPARE(workout.fixture.prompter->messageTexts().mid(0, 3),
                 (QStringList{"練習中に力つきて救急車で運ばれた・・・。", "二日後・・・",
                              "会長「さあ、試合の日だ！ベストを尽くせよ！」"}));
        QCOMPARE(state.varNowDate, Cell(3));
        QCOMPARE(state.varNextDate, Cell(0));
        QCOMPARE(state.varSparMode, qint16(SparModeBout));
    }

    void workoutIsScoredOnceAtZero_data()
    {
        QTest::addColumn<int>("hits");
        QTest::addColumn<int>("misses");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("gain");
        QTest::newRow("net 1 is no progress") << 1 << 0 << "練習の成果がでなかった・・・" << 0;
        QTest::newRow("net 2 gains 1") << 2 << 0 << "瞬発力が1上がった" << 1;
        QTest::newRow("net 4 gains 1") << 5 << 1 << "瞬発力が1上がった" << 1;
        QTest::newRow("net 5 gains 2") << 5 << 0 << "瞬発力が2上がった" << 2;
        QTest::newRow("more misses than hits") << 1 << 2 << "練習の成果がでなかった・・・" << 0;
    }
    void workoutIsScoredOnceAtZero()
    {
        QFETCH(int, hits);
        QFETCH(int, misses);
        QFETCH(QString, message);
        QFETCH(int, gain);
        BallWorkout workout;
        PunchingBall &screen = workout.start();
        Scheduler &clock = workout.fixture.game->scheduler();
        workout.punch();
        for (int i = 1; i < hits; ++i)
            QVERIFY(workout.punchWhen(true));
        for (int i = 0; i < misses; ++i)
            QVERIFY(workout.punchWhen(false));
        workout.fixture.sound->clear();

        clock.advance(workout.startTime + 17999 - clock.now());
        QCOMPARE(workout.label("TimerWatch"), QStringLiteral("0:01"));
        QVERIFY(workout.fixture.prompter->messageTexts().isEmpty());
        clock.advance(1);
        QCOMPARE(workout.label("TimerWatch"), QStringLiteral("0:00"));
        QCOMPARE(workout.fixture.prompter->messageTexts(), QStringList{message});
        QCOMPARE(workout.fixture.sound->played(), QStringList{"gong.wav"});
        const GameState &state = workout.fixture.state();
        QCOMPARE(workout.player(CharaTable::Quick), 40 + gain);
        QCOMPARE(state.varKekka, hits - misses);
        QCOMPARE(state.varBallHit, Cell(hits));
        QCOMPARE(state.varBallMiss, misses);
        QCOMPARE(workout.player(CharaTable::Strength), 500 - 8 * (hits + misses));
        QVERIFY(!screen.isVisible());
        QVERIFY(workout.fixture.game->hub().isVisible());
        QCOMPARE(state.varNowDate, Cell(2));

        // The workout has ended for good: no second score, no clock below 0:00.
        clock.advance(30000);
        QCOMPARE(workout.fixture.prompter->messageTexts().size(), 1);
        QCOMPARE(workout.fixture.sound->played().size(), 1);
        QCOMPARE(workout.label("TimerWatch"), QStringLiteral("0:00"));
        QCOMPARE(state.varNowDate, Cell(2));
    }

    void clockCountsDownInGameSeconds()
    {
        BallWorkout workout;
        workout.start();
        Scheduler &clock = workout.fixture.game->scheduler();
        QCOMPARE(workout.label("TimerWatch"), QStringLiteral("3:00"));
        clock.advance(100);
        QCOMPARE(workout.label("TimerWatch"), QStringLiteral("2:59"));
        clock.advance(5000);
        QCOMPARE(workout.label("TimerWatch"), QStringLiteral("2:09"));
        clock.advance(1000);
        QCOMPARE(workout.label("TimerWatch"), QStringLiteral("1:59"));
    }

    // The screen is kept between workouts: the next one must not start where the last one stopped.
    void nextWorkoutStartsAfresh()
    {
        BallWorkout workout;
        workout.start();
        workout.punch();
        QVERIFY(workout.punchWhen(false));
        workout.fixture.game->scheduler().advance(20000);
        QVERIFY(!workout.screen().isVisible());

        workout.start();
        QCOMPARE(workout.label("HitNum"), QStringLiteral("HIT数：0"));
        QCOMPARE(workout.label("MissHit"), QStringLiteral("ミス：0"));
        QCOMPARE(workout.label("TimerWatch"), QStringLiteral("3:00"));
        QCOMPARE(workout.label("MyHp"), QStringLiteral("体力：484"));
        QCOMPARE(workout.ballLeft(), 1200);
        QCOMPARE(workout.ballState(), int(BallAtRest));
        QCOMPARE(workout.ballInterval(), 350);
        QCOMPARE(workout.fixture.state().varKekka, 0);
        // The career totals run on.
        QCOMPARE(workout.fixture.state().varBallHit, Cell(1));
        QCOMPARE(workout.fixture.state().varBallMiss, 1);
    }
};

QTEST_MAIN(PunchingBallTest)
#include "test_punching_ball.moc"
