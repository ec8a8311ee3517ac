#include "support/Careers.h"
#include "support/GameFixture.h"

#include "hub/MainCommand.h"
#include "platform/LineWidget.h"
#include "platform/Twips.h"
#include "training/SandBag.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

namespace {
// A new career on the hub with the sandbag's instructions switched off, the draws fixed
// (by default every hit leaves the bag where it is), strength and maximum as given.
struct BagWorkout
{
    explicit BagWorkout(QList<double> draws = {0.5}, int strength = 500, int maxStrength = 500)
        : fixture(draws)
    {
        startCareer(fixture);
        GameState &state = fixture.state();
        state.varSetsumeiOff[ActivitySandBag] = 1;
        state.Chara(CharaTable::PlayerRow, CharaTable::Strength) = strength;
        state.Chara(CharaTable::PlayerRow, CharaTable::MaxStrength) = maxStrength;
    }

    SandBag &start()
    {
        fixture.game->hub().findChild<QAbstractButton *>(QStringLiteral("cmdCommand(0)"))->click();
        startTime = fixture.game->scheduler().now();
        fixture.sound->clear();
        return fixture.game->sandBag();
    }

    SandBag &screen() { return fixture.game->sandBag(); }
    QString label(const char *name) { return screen().findChild<QLabel *>(QLatin1String(name))->text(); }
    void punch(int index)
    {
        screen().findChild<QAbstractButton *>(QStringLiteral("Punch(%1)").arg(index))->click();
    }
    int bagLeft()
    {
        return twipsGeometry(screen().findChild<QWidget *>(QStringLiteral("shpSandBag"))).left();
    }
    QList<int> chainX1s()
    {
        QList<int> ends;
        for (int i = 0; i < 3; ++i)
            ends.append(screen().findChild<LineWidget *>(QStringLiteral("Turusi(%1)").arg(i))->ends().x1());
        return ends;
    }
    int player(int column) { return fixture.state().Chara(CharaTable::PlayerRow, column).toInt(); }

    GameFixture fixture;
    qint64 startTime = 0;
};
} // namespace

class SandBagTest : public QObject
{
    Q_OBJECT
private slots:
    void atTheStartOnlyTheJabLands_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("left hook") << 0;
        QTest::newRow("left straight") << 1;
        QTest::newRow("jab") << 2;
        QTest::newRow("right straight") << 3;
        QTest::newRow("right hook") << 4;
    }
    void atTheStartOnlyTheJabLands()
    {
        QFETCH(int, button);
        const bool hit = button == 2;
        BagWorkout workout;
        workout.start();
        QCOMPARE(workout.bagLeft(), 1080);
        workout.punch(button);

        const GameState &state = workout.fixture.state();
        QCOMPARE(workout.label("HitNum"), QStringLiteral("HIT数：%1").arg(hit ? 1 : 0));
        QCOMPARE(workout.label("MissHit"), QStringLiteral("ミス：%1").arg(hit ? 0 : 1));
        QCOMPARE(workout.fixture.sound->played(), QStringList{hit ? "punchBigHit.wav" : "punchNo.wav"});
        QCOMPARE(state.varSandHit, Cell(hit ? 1 : 0));
        QCOMPARE(state.varSandMiss, Cell(hit ? 0 : 1));
        QCOMPARE(workout.player(CharaTable::Strength), 492);
        QCOMPARE(workout.label("MyHp"), QStringLiteral("体力：492"));
        // A miss neither moves the bag nor draws a swing.
        QCOMPARE(workout.fixture.random->drawsTaken(), hit ? 1 : 0);
        QCOMPARE(workout.bagLeft(), 1080);
    }

    void hitSwingsTheBagFromItsPlace_data()
    {
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QList<int>>("punches");
        QTest::addColumn<int>("place");
        QTest::addColumn<int>("swing");
        QTest::newRow("middle, swings left") << QList<double>{0.0} << QList<int>{2} << 1 << 1;
        QTest::newRow("middle, stays") << QList<double>{0.5} << QList<int>{2} << 2 << 2;
        QTest::newRow("middle, swings right") << QList<double>{0.9} << QList<int>{2} << 3 << 3;
        QTest::newRow("left edge: a low draw stays")
            << QList<double>{0.0, 0.0, 0.0} << QList<int>{2, 1, 0} << 0 << 2;
        QTest::newRow("left edge: a high draw comes back")
            << QList<double>{0.0, 0.0, 0.5} << QList<int>{2, 1, 0} << 1 << 3;
        QTest::newRow("right edge: a high draw stays")
            << QList<double>{0.9, 0.9, 0.9} << QList<int>{2, 3, 4} << 4 << 2;
        QTest::newRow("right edge: a low draw comes back")
            << QList<double>{0.9, 0.9, 0.0} << QList<int>{2, 3, 4} << 3 << 1;
        QTest::newRow("misses between hits leave the bag")
            << QList<double>{0.0, 0.0} << QList<int>{2, 2, 0, 4, 1} << 0 << 1;
    }
    void hitSwingsTheBagFromItsPlace()
    {
        QFETCH(QList<double>, draws);
        QFETCH(QList<int>, punches);
        QFETCH(int, place);
        QFETCH(int, swing);
        BagWorkout workout(draws);
        workout.start();
        for (int button : punches)
            workout.punch(button);

        const GameState &state = workout.fixture.state();
        QCOMPARE(state.varBagPos, Cell(place));
        QCOMPARE(state.varBagSwing, Cell(swing));
        const int left = 680 + 200 * place;
        QCOMPARE(workout.bagLeft(), left);
        QCOMPARE(workout.chainX1s(), (QList<int>{left + 240, left + 600, left + 960}));
        QCOMPARE(workout.screen().findChild<LineWidget *>(QStringLiteral("Turusi(1)"))->ends().p2(),
                 QPoint(1680, 0));
    }

    void punchMayCollapseTheBoxer_data()
    {
        QTest::addColumn<int>("strength");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("strengthAfter");
        QTest::addColumn<bool>("collapsed");
        QTest::newRow("9 leaves 1") << 9 << 500 << 1 << false;
        QTest::newRow("8 collapses, maximum 180") << 8 << 180 << 125 << true;
    }
    void punchMayCollapseTheBoxer()
    {
        QFETCH(int, strength);
        QFETCH(int, maximum);
        QFETCH(int, strengthAfter);
        QFETCH(bool, collapsed);
        BagWorkout workout({0.5}, strength, maximum);
        SandBag &screen = workout.start();
        // A miss brings the collapse as surely as a hit.
        workout.punch(0);

        const GameState &state = workout.fixture.state();
        QCOMPARE(workout.player(CharaTable::Strength), strengthAfter);
        QCOMPARE(state.varSandMiss, Cell(1));
        QCOMPARE(state.varBagMiss, qint16(1));
        if (!collapsed) {
            QCOMPARE(workout.label("MyHp"), QStringLiteral("体力：1"));
            QVERIFY(screen.isVisible());
            return;
        }
        QCOMPARE(workout.fixture.prompter->messageTexts(),
                 (QStringList{"練習中に力つきて救急車で運ばれた・・・。", "二日後・・・"}));
        QCOMPARE(workout.label("MyHp"), QStringLiteral("体力：0"));
        QVERIFY(!screen.isVisible());
        QVERIFY(workout.fixture.game->hub().isVisible());
        QCOMPARE(state.varNowDate, Cell(3));
        QCOMPARE(state.varNextDate, Cell(9));
        QCOMPARE(workout.player(CharaTable::Punch), 40);
        QCOMPARE(state.varKekka, 0);
        workout.fixture.game->scheduler().advance(30000);
        QCOMPARE(workout.fixture.sound->played(), QStringList{"punchNo.wav"});
        QCOMPARE(workout.fixture.prompter->messageTexts().size(), 2);
    }

    void workoutIsScoredOnceAtZero_data()
    {
        QTest::addColumn<int>("hits");
        QTest::addColumn<int>("misses");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("gain");
        QTest::newRow("net 10 is no progress") << 10 << 0 << "練習の成果がでなかった・・・" << 0;
        QTest::newRow("net 11 gains 1") << 11 << 0 << "パンチ力が1上がった" << 1;
        QTest::newRow("net 11 after a miss") << 12 << 1 << "パンチ力が1上がった" << 1;
        QTest::newRow("net 21 gains 1") << 21 << 0 << "パンチ力が1上がった" << 1;
        QTest::newRow("net 22 gains 2") << 22 << 0 << "パンチ力が2上がった" << 2;
        QTest::newRow("more misses than hits") << 0 << 3 << "練習の成果がでなかった・・・" << 0;
    }
    void workoutIsScoredOnceAtZero()
    {
        QFETCH(int, hits);
        QFETCH(int, misses);
        QFETCH(QString, message);
        QFETCH(int, gain);
        BagWorkout workout;
        SandBag &screen = workout.start();
        Scheduler &clock = workout.fixture.game->scheduler();
        // Every hit leaves the bag in the middle: the jab always lands, the hooks always miss.
        for (int i = 0; i < hits; ++i)
            workout.punch(2);
        for (int i = 0; i < misses; ++i)
            workout.punch(4);
        workout.fixture.sound->clear();

        clock.advance(17999);
        const GameState &state = workout.fixture.state();
        QCOMPARE(workout.label("TimerWatch"), QStringLiteral("0:01"));
        QCOMPARE(state.varClockMin, 0);
        QCOMPARE(state.varClockSec, Cell(1));
        QVERIFY(workout.fixture.prompter->messageTexts().isEmpty());
        clock.advance(1);
        QCOMPARE(workout.label("TimerWatch"), QStringLiteral("0:00"));
        QCOMPARE(workout.fixture.prompter->messageTexts(), QStringList{message});
        QCOMPARE(workout.fixture.sound->played(), QStringList{"gong.wav"});
        QCOMPARE(workout.player(CharaTable::Punch), 40 + gain);
        QCOMPARE(state.varKekka, hits - misses);
        QCOMPARE(state.varSandHit, Cell(hits));
        QCOMPARE(state.varSandMiss, Cell(misses));
        QVERIFY(!screen.isVisible());
        QVERIFY(workout.fixture.game->hub().isVisible());
        QCOMPARE(state.varNowDate, Cell(2));

        clock.advance(30000);
        QCOMPARE(workout.fixture.prompter->messageTexts().size(), 1);
        QCOMPARE(workout.fixture.sound->played().size(), 1);
        QCOMPARE(state.varClockMin, 0);
        QCOMPARE(state.varClockSec, Cell(0));
    }

    // The workout window has no way out but the clock or a collapse: closing it would leave
    // the game with no window at all until the clock ran out.
    void closingTheWindowKeepsTheWorkout()
    {
        BagWorkout workout;
        SandBag &screen = workout.start();
        QVERIFY(!screen.close());
        QVERIFY(screen.isVisible());
        workout.fixture.game->scheduler().advance(100);
        QCOMPARE(workout.label("TimerWatch"), QStringLiteral("2:59"));
    }

    // The bag, the counters and the clock come back to the start; the last swing is kept.
    void nextWorkoutStartsAfresh()
    {
        BagWorkout workout({0.9});
        workout.start();
        workout.punch(2);
        workout.punch(0);
        workout.fixture.game->scheduler().advance(20000);
        QVERIFY(!workout.screen().isVisible());

        workout.start();
        const GameState &state = workout.fixture.state();
        QCOMPARE(state.varBagPos, Cell(2));
        QCOMPARE(state.varBagHit, Cell(0));
        QCOMPARE(state.varBagMiss, qint16(0));
        QCOMPARE(state.varKekka, 0);
        QCOMPARE(state.varBagSwing, Cell(3));
        QCOMPARE(workout.bagLeft(), 1080);
        QCOMPARE(workout.chainX1s(), (QList<int>{1320, 1680, 2040}));
        QCOMPARE(workout.label("HitNum"), QStringLiteral("HIT数：0"));
        QCOMPARE(workout.label("MissHit"), QStringLiteral("ミス：0"));
        QCOMPARE(workout.label("TimerWatch"), QStringLiteral("3:00"));
        QCOMPARE(workout.label("MyHp"), QStringLiteral("体力：484"));
        QCOMPARE(state.varSandHit, Cell(1));
        QCOMPARE(state.varSandMiss, Cell(1));
    }
};

QTEST_MAIN(SandBagTest)
#include "test_sandbag.moc"
