#include "hub/MainCommand.h"
#include "match/Spar.h"
#include "support/Matches.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
QString text(Spar &spar, const QString &name)
{
    return spar.findChild<QLabel *>(name)->text();
}

QString wakeUpCaption(Spar &spar)
{
    return spar.findChild<QPushButton *>(QStringLiteral("WakeUp"))->text();
}

// One round is 180 ticks of 100 ms, one interval 60.
constexpr qint64 Round = 18000;
constexpr qint64 Interval = 6000;
} // namespace

class SparRoundClockTest : public QObject
{
    Q_OBJECT
private slots:
    void roundClockCountsDownOneSecondPerTick()
    {
        GameFixture fixture(QList<double>{0.0});
        Spar &spar = startFirstBout(fixture);
        const QList<QPair<qint64, QString>> readings = {
            {100, "2:59"}, {5800, "2:01"}, {100, "2:00"}, {100, "1:59"}, {10800, "0:11"}, {100, "0:10"},
            {100, "0:09"},  {800, "0:01"},
        };
        for (const auto &[ms, reading] : readings) {
            fixture.game->scheduler().advance(ms);
            QCOMPARE(text(spar, QStringLiteral("TimerWatch")), reading);
        }
        QVERIFY(fixture.sound->played().isEmpty());
        fixture.game->scheduler().advance(100);
        QCOMPARE(fixture.game->scheduler().now(), Round);
        // The 180th tick reaches 0:00 and rings the bell, which puts the interval's 1:00 up.
        QCOMPARE(fixture.state().varClockMin, 1);
        QCOMPARE(text(spar, QStringLiteral("TimerWatch")), QStringLiteral("1:00"));
        QCOMPARE(fixture.sound->played(), QStringList{QStringLiteral("gong.wav")});
    }

    void intervalRunsAMinuteBetweenRounds()
    {
        GameFixture fixture(QList<double>{0.0});
        Spar &spar = startFirstBout(fixture);
        fixture.game->scheduler().advance(Round);

        QCOMPARE(text(spar, QStringLiteral("TimerWatch")), QStringLiteral("1:00"));
        QCOMPARE(wakeUpCaption(spar), QStringLiteral("休め！"));
        QVERIFY(!spar.findChild<QWidget *>(QStringLiteral("WakeUp"))->isHidden());
        QVERIFY(spar.findChild<QWidget *>(QStringLiteral("LeftPunch(1)"))->isHidden());
        QVERIFY(!spar.TimerEnemyAction().isEnabled());
        const int strength = fixture.state().Chara(1, CharaTable::Strength).toInt();

        fixture.game->scheduler().advance(100);
        QCOMPARE(text(spar, QStringLiteral("TimerWatch")), QStringLiteral("0:59"));
        fixture.game->scheduler().advance(Interval - 100);
        QCOMPARE(text(spar, QStringLiteral("TimerWatch")), QStringLiteral("0:00"));
        QCOMPARE(text(spar, QStringLiteral("NowRound")), QStringLiteral("2R"));
        QCOMPARE(wakeUpCaption(spar), QStringLiteral("立て！"));
        QVERIFY(spar.findChild<QWidget *>(QStringLiteral("WakeUp"))->isHidden());
        QVERIFY(!spar.findChild<QWidget *>(QStringLiteral("LeftPunch(1)"))->isHidden());
        QVERIFY(spar.TimerEnemyAction().isRunning());
        // Nobody punched the player during the interval.
        QCOMPARE(fixture.state().Chara(1, CharaTable::Strength).toInt(), strength);
        fixture.game->scheduler().advance(100);
        QCOMPARE(text(spar, QStringLiteral("TimerWatch")), QStringLiteral("2:59"));
    }

    void opponentRecoversByGutsDuringTheInterval_data()
    {
        QTest::addColumn<int>("guts");
        QTest::addColumn<int>("strengthBefore");
        QTest::addColumn<int>("strengthAfter");
        QTest::newRow("guts 114: 3 a tick") << 114 << 100 << 280;
        QTest::newRow("guts 114 stops at the table's strength") << 114 << 400 << 540;
        QTest::newRow("guts 32: nothing") << 32 << 100 << 100;
    }
    void opponentRecoversByGutsDuringTheInterval()
    {
        QFETCH(int, guts);
        QFETCH(int, strengthBefore);
        QFETCH(int, strengthAfter);
        GameFixture fixture(QList<double>{0.0});
        startFirstBout(fixture);
        GameState &state = fixture.state();
        state.varEnGuts = guts;
        fixture.game->scheduler().advance(Round);
        state.varEnHP = strengthBefore;
        fixture.game->scheduler().advance(Interval);
        QCOMPARE(state.varEnHP, Cell(strengthAfter));
        fixture.game->scheduler().advance(Round - 100);
        QCOMPARE(state.varEnHP, Cell(strengthAfter));
    }

    void fourRoundsWithoutKnockdownsAreADraw()
    {
        GameFixture fixture(QList<double>{0.0});
        Spar &spar = startFirstBout(fixture);
        GameState &state = fixture.state();
        fixture.game->scheduler().advance(4 * Round + 3 * Interval - 1);
        QVERIFY(spar.isVisible());
        QCOMPARE(text(spar, QStringLiteral("NowRound")), QStringLiteral("4R"));
        QVERIFY(fixture.prompter->messageTexts().isEmpty());
        fixture.game->scheduler().advance(1);

        QCOMPARE(fixture.prompter->messageTexts(),
                 (QStringList{QStringLiteral("会長「よく戦った！さあ、判定だ・・・」"), QStringLiteral("レフリー「ドロー！」"),
                              QStringLiteral("会長「次の試合相手はタイガー銀川。試合はあと5日後だ！」"),
                              QStringLiteral("会長「次こそは白黒ハッキリ付けるぞ！」"),
                              QStringLiteral("会長「また明日から練習だな・・・。」")}));
        QCOMPARE(fixture.sound->played(), QStringList(7, QStringLiteral("gong.wav")));
        QCOMPARE(spar.varWinLose, 3);
        QCOMPARE(spar.varHantei, qint16(1));
        QCOMPARE(state.varSensekiCount, 1);
        QCOMPARE(state.varSenseki[1][0], Cell("タイガー銀川"));
        QCOMPARE(state.varSenseki[1][1], Cell(27));
        QCOMPARE(state.Chara(1, CharaTable::Draws), Cell(1));
        QCOMPARE(state.Chara(2, CharaTable::Draws), Cell(2));
        QCOMPARE(state.varNextEnemy, 2);
        QCOMPARE(state.varNextDate, Cell(4));
        QCOMPARE(state.varNowDate, Cell(3));
        QVERIFY(!spar.isVisible());
        QVERIFY(!spar.isEnabled());
        QVERIFY(fixture.game->hub().isVisible());
        QVERIFY(!spar.WatchCount().isEnabled());
        QVERIFY(!spar.TimerEnemyAction().isRunning());
    }

    void decisionGoesToWhoWentDownLess_data()
    {
        QTest::addColumn<int>("playerDowns");
        QTest::addColumn<int>("opponentDowns");
        QTest::addColumn<QString>("referee");
        QTest::addColumn<int>("code");
        QTest::newRow("player down less") << 2 << 3 << "レフリー「山田の勝ち！」" << 13;
        QTest::newRow("opponent down less") << 1 << 0 << "レフリー「タイガー銀川の勝ち！」" << 26;
        QTest::newRow("as often") << 2 << 2 << "レフリー「ドロー！」" << 27;
    }
    void decisionGoesToWhoWentDownLess()
    {
        QFETCH(int, playerDowns);
        QFETCH(int, opponentDowns);
        QFETCH(QString, referee);
        QFETCH(int, code);
        GameFixture fixture(QList<double>{0.0});
        Spar &spar = startFirstBout(fixture);
        fixture.game->scheduler().advance(3 * Round + 3 * Interval);
        spar.varMyDownAll = playerDowns;
        spar.varEnDownAll = opponentDowns;
        fixture.game->scheduler().advance(Round);
        QCOMPARE(fixture.prompter->messageTexts().value(1), referee);
        QCOMPARE(fixture.state().varSenseki[1][1], Cell(code));
    }

    void playerDownAtTheLastBellStillGetsADecision()
    {
        GameFixture fixture(QList<double>{0.0});
        Spar &spar = startFirstBout(fixture);
        GameState &state = fixture.state();
        fixture.game->scheduler().advance(3 * Round + 3 * Interval + 17000);
        state.Chara(1, CharaTable::Strength) = 1;
        fixture.game->scheduler().advance(700);
        QCOMPARE(spar.varMyDownAll, 1);
        fixture.game->scheduler().advance(300);

        QCOMPARE(spar.varHantei, qint16(1));
        QCOMPARE(spar.varWinLose, 2);
        QCOMPARE(state.varSenseki[1][1], Cell(26));
        QCOMPARE(state.Chara(1, CharaTable::Strength), Cell(400));
        QVERIFY(!spar.findChild<QWidget *>(QStringLiteral("LeftPunch(1)"))->isHidden());
        QVERIFY(spar.findChild<QWidget *>(QStringLiteral("WakeUp"))->isHidden());
        QVERIFY(!spar.DownCountTimer().isEnabled());
    }

    // The opponent down at the bell of an earlier round stands up for the interval.
    void opponentDownAtTheBellStandsForTheInterval()
    {
        GameFixture fixture(QList<double>{0.0});
        Spar &spar = startFirstBout(fixture);
        fixture.game->scheduler().advance(Round - 1000);
        fixture.state().varEnHP = 1;
        fixture.state().varEnGuardR = 1;
        QVERIFY(clickOn(&spar, QStringLiteral("LeftPunch(3)")));
        fixture.game->scheduler().advance(1000);

        QVERIFY(!spar.EnemyDownUPTimer().isEnabled());
        QVERIFY(!spar.DownCountTimer().isEnabled());
        QVERIFY(spar.findChild<QWidget *>(QStringLiteral("lblCount"))->isHidden());
        QCOMPARE(fixture.state().varDownCount, Cell(1));
        QCOMPARE(spar.varDownJotai, 0);
        QCOMPARE(spar.varEnDown, 0);
        QCOMPARE(spar.varEnDownAll, 1);
        QCOMPARE(wakeUpCaption(spar), QStringLiteral("休め！"));
        QVERIFY(!spar.TimerEnemyAction().isEnabled());
        // The opponent's standing-up hands the fight back, but the interval holds it.
        fixture.game->scheduler().advance(Interval);
        QVERIFY(spar.TimerEnemyAction().isRunning());
    }

    // A damaged number of rounds must not let the clock run below 0:00.
    void boutWithNoValidRoundCountEndsAtTheFirstBell()
    {
        GameFixture fixture(QList<double>{0.0});
        Spar &spar = startFirstBout(fixture);
        fixture.state().varKaisen = Cell();
        fixture.game->scheduler().advance(Round);
        QCOMPARE(spar.varHantei, qint16(1));
        QCOMPARE(spar.varWinLose, 3);
        QVERIFY(!spar.isVisible());
        QVERIFY(!spar.WatchCount().isEnabled());
    }

    void sparringEndsAtItsOnlyBell()
    {
        GameFixture fixture(QList<double>{0.0});
        Spar &spar = startSparring(fixture);
        fixture.game->scheduler().advance(Round);
        QCOMPARE(fixture.sound->played(), QStringList{QStringLiteral("gong.wav")});
        QCOMPARE(spar.varWinLose, 0);
        QCOMPARE(spar.varHantei, qint16(0));
        QVERIFY(!fixture.prompter->messageTexts().contains(QStringLiteral("会長「よく戦った！さあ、判定だ・・・」")));
        QVERIFY(!spar.isVisible());
        QVERIFY(fixture.game->hub().isVisible());
        QCOMPARE(fixture.state().varSensekiCount, 0);
        QCOMPARE(fixture.state().varNowDate, Cell(2));
    }

    void playerDownAtTheSparringBellGetsStrengthBack()
    {
        GameFixture fixture(QList<double>{0.0});
        Spar &spar = startSparring(fixture);
        fixture.game->scheduler().advance(17000);
        fixture.state().Chara(1, CharaTable::Strength) = 1;
        fixture.game->scheduler().advance(1000);
        QCOMPARE(spar.varMyDownAll, 1);
        QCOMPARE(fixture.state().Chara(1, CharaTable::Strength), Cell(400));
        QVERIFY(!spar.findChild<QWidget *>(QStringLiteral("LeftPunch(1)"))->isHidden());
        QVERIFY(spar.findChild<QWidget *>(QStringLiteral("WakeUp"))->isHidden());
    }
};

QTEST_MAIN(SparRoundClockTest)
#include "test_spar_round_clock.moc"
