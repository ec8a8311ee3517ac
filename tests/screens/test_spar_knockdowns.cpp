#include "hub/MainCommand.h"
#include "match/Spar.h"
#include "platform/LineWidget.h"
#include "platform/Twips.h"
#include "support/Matches.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
const QString Rose = QStringLiteral("会長「よっしゃ！よく立った！！」");

bool shown(Spar &spar, const QString &name)
{
    return !spar.findChild<QWidget *>(name)->isHidden();
}

bool enabled(Spar &spar, const QString &name)
{
    return spar.findChild<QWidget *>(name)->isEnabled();
}

QString text(Spar &spar, const QString &name)
{
    return spar.findChild<QLabel *>(name)->text();
}

int topOf(Spar &spar, const QString &name)
{
    return twipsGeometry(spar.findChild<QWidget *>(name)).top();
}

// Brings the player to 1 strength and waits, 10 ms at a time, for the opponent's next punch to drop them.
bool knockDownPlayer(GameFixture &fixture, Spar &spar)
{
    fixture.state().Chara(1, CharaTable::Strength) = 1;
    const int before = spar.varMyDownAll;
    for (int waited = 0; waited < 3000; waited += 10) {
        fixture.game->scheduler().advance(10);
        if (spar.varMyDownAll > before)
            return true;
    }
    return false;
}

void clickWakeUp(Spar &spar, int times)
{
    for (int i = 0; i < times; ++i)
        QVERIFY(clickOn(&spar, QStringLiteral("WakeUp")));
}

// Leaves the opponent 1 strength, holds its right arm high and lands a left body blow.
void knockDownOpponent(GameFixture &fixture, Spar &spar)
{
    fixture.state().varEnHP = 1;
    fixture.state().varEnGuardR = 1;
    QVERIFY(clickOn(&spar, QStringLiteral("LeftPunch(3)")));
}

bool floorView(Spar &spar)
{
    return shown(spar, QStringLiteral("Back(3)")) && shown(spar, QStringLiteral("Leg(0)")) &&
           !shown(spar, QStringLiteral("Face")) && !shown(spar, QStringLiteral("head")) &&
           !shown(spar, QStringLiteral("Front(1)")) && !shown(spar, QStringLiteral("RightArm(0)"));
}
} // namespace

class SparKnockdownsTest : public QObject
{
    Q_OBJECT
private slots:
    void playerGoesDownAtZeroStrength()
    {
        GameFixture fixture(QList<double>{0.0});
        Spar &spar = startFirstBout(fixture);
        fixture.state().Chara(1, CharaTable::Strength) = 4;
        fixture.game->scheduler().advance(1040);

        QCOMPARE(fixture.state().Chara(1, CharaTable::Strength), Cell(0));
        QVERIFY(floorView(spar));
        QVERIFY(shown(spar, QStringLiteral("lblCount")));
        QCOMPARE(spar.WhoDown, Cell(2));
        QCOMPARE(spar.varMyDown, 1);
        QCOMPARE(spar.varMyDownAll, 1);
        QVERIFY(!shown(spar, QStringLiteral("LeftPunch(1)")));
        QVERIFY(!shown(spar, QStringLiteral("RightPunch(3)")));
        QVERIFY(shown(spar, QStringLiteral("WakeUp")));
        QCOMPARE(spar.findChild<QPushButton *>(QStringLiteral("WakeUp"))->text(), QStringLiteral("立て！"));
        QVERIFY(spar.DownCountTimer().isRunning());
        QVERIFY(!spar.TimerEnemyAction().isEnabled());
        // The round clock keeps running during the count.
        fixture.game->scheduler().advance(1000);
        QCOMPARE(text(spar, QStringLiteral("TimerWatch")), QStringLiteral("2:40"));
        QCOMPARE(text(spar, QStringLiteral("lblCount")), QStringLiteral("2"));
    }

    // The 21st click raises the player, even when no click gave any strength back.
    void twentyFirstClickRaisesThePlayer_data()
    {
        QTest::addColumn<int>("guts");
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("strengthAfter");
        QTest::newRow("low guts, every click wins a chance") << 8 << 0.9 << 0;
        QTest::newRow("guts 40, no click wins") << 40 << 0.0 << 0;
        QTest::newRow("guts 40, every click wins") << 40 << 0.9 << 84;
    }
    void twentyFirstClickRaisesThePlayer()
    {
        QFETCH(int, guts);
        QFETCH(double, draw);
        QFETCH(int, strengthAfter);
        GameFixture fixture(QList<double>{0.0});
        Spar &spar = startFirstBout(fixture);
        fixture.state().Chara(1, CharaTable::Guts) = guts;
        QVERIFY(knockDownPlayer(fixture, spar));
        fixture.random->setDraws({draw});

        clickWakeUp(spar, 20);
        QVERIFY(floorView(spar));
        QVERIFY(fixture.prompter->messageTexts().isEmpty());
        QCOMPARE(fixture.state().varWakeUpCount, 20);

        clickWakeUp(spar, 1);
        QVERIFY(!floorView(spar));
        QVERIFY(shown(spar, QStringLiteral("Face")));
        QVERIFY(!shown(spar, QStringLiteral("lblCount")));
        QCOMPARE(text(spar, QStringLiteral("lblCount")), QStringLiteral("0"));
        QVERIFY(shown(spar, QStringLiteral("LeftPunch(1)")));
        QVERIFY(!shown(spar, QStringLiteral("WakeUp")));
        QCOMPARE(fixture.prompter->messageTexts(), QStringList{Rose});
        QCOMPARE(fixture.state().varWakeUpCount, 0);
        QCOMPARE(fixture.state().varDownCount, Cell(0));
        QCOMPARE(fixture.state().Chara(1, CharaTable::Strength), Cell(strengthAfter));
        QVERIFY(spar.TimerEnemyAction().isRunning());
        QVERIFY(!spar.DownCountTimer().isEnabled());
    }

    void clicksNeverRaiseStrengthAboveTheMaximum()
    {
        GameFixture fixture(QList<double>{0.0});
        Spar &spar = startFirstBout(fixture);
        fixture.state().Chara(1, CharaTable::Guts) = 900;
        QVERIFY(knockDownPlayer(fixture, spar));
        fixture.random->setDraws({0.9});
        clickWakeUp(spar, 21);
        QCOMPARE(fixture.state().Chara(1, CharaTable::Strength), Cell(500));
    }

    void playerCountedOutLosesTheBout()
    {
        GameFixture fixture(QList<double>{0.0});
        Spar &spar = startFirstBout(fixture);
        QVERIFY(knockDownPlayer(fixture, spar));
        const qint64 down = fixture.game->scheduler().now();
        fixture.game->scheduler().advance(4999);
        QVERIFY(spar.isVisible());
        QCOMPARE(text(spar, QStringLiteral("lblCount")), QStringLiteral("9"));
        fixture.game->scheduler().advance(1);

        QCOMPARE(fixture.game->scheduler().now() - down, qint64(5000));
        QVERIFY(fixture.sound->played().contains(QStringLiteral("gong.wav")));
        QCOMPARE(text(spar, QStringLiteral("lblCount")), QStringLiteral("KO"));
        QCOMPARE(spar.varWinLose, 2);
        QVERIFY(!spar.isVisible());
        QVERIFY(fixture.game->hub().isVisible());
        QCOMPARE(fixture.state().varSenseki[1][1], Cell(14));
        // Every ending leaves the punch buttons shown for the next match.
        QVERIFY(shown(spar, QStringLiteral("LeftPunch(1)")));
        QVERIFY(!shown(spar, QStringLiteral("WakeUp")));
        QCOMPARE(fixture.state().Chara(1, CharaTable::Strength), Cell(0));
        // The count did not go past ten.
        QCOMPARE(fixture.state().varDownCount, Cell(10));
    }

    void thirdKnockdownInARoundIsATko()
    {
        GameFixture fixture(QList<double>{0.0});
        Spar &spar = startFirstBout(fixture);
        for (int down = 1; down <= 2; ++down) {
            QVERIFY(knockDownPlayer(fixture, spar));
            clickWakeUp(spar, 21);
        }
        fixture.prompter->clearRecord();
        QVERIFY(knockDownPlayer(fixture, spar));

        QCOMPARE(spar.varMyDown, 3);
        QCOMPARE(text(spar, QStringLiteral("lblCount")), QStringLiteral("TKO"));
        const QStringList messages = fixture.prompter->messageTexts();
        QVERIFY(messages.size() >= 2);
        QCOMPARE(messages.first(), QStringLiteral("TKO負けした"));
        QCOMPARE(spar.varWinLose, 2);
        QVERIFY(!spar.isVisible());
        QCOMPARE(fixture.state().Chara(1, CharaTable::Strength), Cell(350));
        QCOMPARE(fixture.state().varSenseki[1][1], Cell(14));
        QCOMPARE(fixture.state().Chara(1, CharaTable::Losses), Cell(1));
    }

    void knockdownsCountPerRound()
    {
        GameFixture fixture(QList<double>{0.0});
        Spar &spar = startFirstBout(fixture);
        for (int down = 1; down <= 2; ++down) {
            QVERIFY(knockDownPlayer(fixture, spar));
            clickWakeUp(spar, 21);
        }
        fixture.state().Chara(1, CharaTable::Strength) = 500;
        // Round 1 and its interval pass.
        fixture.game->scheduler().advance(24000 - fixture.game->scheduler().now() + 100);
        QCOMPARE(text(spar, QStringLiteral("NowRound")), QStringLiteral("2R"));
        QCOMPARE(spar.varMyDown, 0);
        QVERIFY(knockDownPlayer(fixture, spar));
        QCOMPARE(spar.varMyDown, 1);
        QCOMPARE(spar.varMyDownAll, 3);
        QVERIFY(spar.isVisible());
        QVERIFY(spar.DownCountTimer().isRunning());
    }

    void savedByTheBellIntoTheInterval()
    {
        GameFixture fixture(QList<double>{0.0});
        Spar &spar = startFirstBout(fixture);
        fixture.game->scheduler().advance(16000);
        QVERIFY(knockDownPlayer(fixture, spar));
        fixture.game->scheduler().advance(18000 - fixture.game->scheduler().now());

        QVERIFY(!floorView(spar));
        QVERIFY(!shown(spar, QStringLiteral("lblCount")));
        QCOMPARE(text(spar, QStringLiteral("lblCount")), QStringLiteral("0"));
        QCOMPARE(fixture.state().varDownCount, Cell(0));
        QVERIFY(!spar.DownCountTimer().isEnabled());
        QCOMPARE(spar.findChild<QPushButton *>(QStringLiteral("WakeUp"))->text(), QStringLiteral("休め！"));
        QVERIFY(shown(spar, QStringLiteral("WakeUp")));
        QVERIFY(!shown(spar, QStringLiteral("LeftPunch(1)")));
        QCOMPARE(text(spar, QStringLiteral("TimerWatch")), QStringLiteral("1:00"));
        QCOMPARE(fixture.state().Chara(1, CharaTable::Strength), Cell(0));
        QCOMPARE(topOf(spar, QStringLiteral("Front(1)")), 1320);

        // Clicks in the interval give strength back but never count toward rising.
        fixture.random->setDraws({0.9});
        clickWakeUp(spar, 30);
        QCOMPARE(fixture.state().Chara(1, CharaTable::Strength), Cell(30 * 4));
        QVERIFY(fixture.prompter->messageTexts().isEmpty());
        fixture.game->scheduler().advance(6000);
        QCOMPARE(text(spar, QStringLiteral("NowRound")), QStringLiteral("2R"));
        QCOMPARE(fixture.state().varWakeUpCount, 0);
        QVERIFY(!shown(spar, QStringLiteral("WakeUp")));
        QCOMPARE(spar.findChild<QPushButton *>(QStringLiteral("WakeUp"))->text(), QStringLiteral("立て！"));
    }

    void collapseInSparringCostsTwoDays_data()
    {
        QTest::addColumn<int>("daysLeft");
        QTest::addColumn<bool>("boutStarts");
        QTest::newRow("five days left") << 5 << false;
        QTest::newRow("one day left") << 1 << true;
    }
    void collapseInSparringCostsTwoDays()
    {
        QFETCH(int, daysLeft);
        QFETCH(bool, boutStarts);
        GameFixture fixture(QList<double>{0.0});
        Spar &spar = startSparring(fixture);
        GameState &state = fixture.state();
        state.varNextDate = daysLeft;
        // With its instructions switched off the bout runs as soon as the calendar reaches it.
        state.varSetsumeiOff[ActivityBout] = 1;
        QVERIFY(knockDownPlayer(fixture, spar));
        fixture.game->scheduler().advance(5000);

        QStringList expected{QStringLiteral("練習中に力つきて救急車で運ばれた・・・。"), QStringLiteral("二日後・・・")};
        if (boutStarts)
            expected << QStringLiteral("会長「さあ、試合の日だ！ベストを尽くせよ！」");
        QCOMPARE(fixture.prompter->messageTexts(), expected);
        QCOMPARE(state.varNowDate, Cell(3));
        QCOMPARE(state.varNextDate, Cell(daysLeft - 1));
        QCOMPARE(state.Chara(1, CharaTable::Strength), Cell(350));
        QCOMPARE(state.varSensekiCount, 0);
        QCOMPARE(state.Chara(1, CharaTable::Guts), Cell(40));
        QCOMPARE(spar.isVisible(), boutStarts);
        QCOMPARE(fixture.game->hub().isVisible(), !boutStarts);
        QCOMPARE(state.varSparMode, qint16(boutStarts ? SparModeBout : SparModeSparring));
        if (boutStarts) {
            QCOMPARE(spar.windowWidthTwips(), 8475);
            QVERIFY(spar.WatchCount().isRunning());
            QCOMPARE(state.varDownCount, Cell(1));
        }
    }

    void opponentGoesDownAtZeroStrength()
    {
        GameFixture fixture(QList<double>{0.0});
        Spar &spar = startFirstBout(fixture);
        GameState &state = fixture.state();
        state.varEnHP = 5;
        state.varEnGuardR = 1;
        fixture.random->setDraws({0.999});
        QVERIFY(clickOn(&spar, QStringLiteral("LeftPunch(3)")));

        QCOMPARE(state.varEnDamage, Cell(9));
        QCOMPARE(state.varEnHP, Cell(0));
        QCOMPARE(text(spar, QStringLiteral("SparHP(1)")), QStringLiteral("相手の体力：0"));
        QCOMPARE(state.varDownCount, Cell(1));
        QCOMPARE(text(spar, QStringLiteral("lblCount")), QStringLiteral("1"));
        QVERIFY(shown(spar, QStringLiteral("lblCount")));
        QCOMPARE(spar.WhoDown, Cell(1));
        QCOMPARE(spar.varEnDown, 1);
        QCOMPARE(spar.varEnDownAll, 1);
        QVERIFY(shown(spar, QStringLiteral("LeftPunch(1)")));
        QVERIFY(!enabled(spar, QStringLiteral("LeftPunch(1)")));
        QVERIFY(!enabled(spar, QStringLiteral("RightPunch(3)")));
        QVERIFY(!spar.TimerEnemyAction().isEnabled());
        QVERIFY(spar.EnemyDownUPTimer().isRunning());
        QVERIFY(spar.DownCountTimer().isRunning());
    }

    // The opponent falls, lies two ticks and rises in as many ticks as it fell; it is up
    // before the count reaches ten, on the tenth beat too.
    void opponentFallsLiesAndRises_data()
    {
        QTest::addColumn<double>("guardDraw");
        QTest::addColumn<int>("fallTicks");
        QTest::addColumn<int>("upTick");
        QTest::newRow("from a high guard") << 0.0 << 4 << 10;
        QTest::newRow("from a middle guard") << 0.5 << 3 << 8;
        QTest::newRow("from a low guard") << 0.9 << 3 << 8;
    }
    void opponentFallsLiesAndRises()
    {
        QFETCH(double, guardDraw);
        QFETCH(int, fallTicks);
        QFETCH(int, upTick);
        GameFixture fixture(QList<double>{guardDraw});
        Spar &spar = startFirstBout(fixture);
        GameState &state = fixture.state();
        fixture.game->scheduler().advance(1040);
        const int gloveTop = topOf(spar, QStringLiteral("RightArm(0)"));
        knockDownOpponent(fixture, spar);

        for (int tick = 1; tick <= upTick; ++tick) {
            fixture.game->scheduler().advance(500);
            if (tick <= fallTicks) {
                QCOMPARE(topOf(spar, QStringLiteral("Front(0)")), 960 + 900 * tick);
                QCOMPARE(topOf(spar, QStringLiteral("RightArm(0)")), gloveTop + 900 * tick);
                QCOMPARE(topOf(spar, QStringLiteral("head")), 30 + 900 * tick);
            }
            QCOMPARE(spar.varDownJotai == 1, tick >= fallTicks && tick <= fallTicks + 1);
            if (tick < upTick) {
                QVERIFY(!enabled(spar, QStringLiteral("LeftPunch(1)")));
                QCOMPARE(text(spar, QStringLiteral("lblCount")), QString::number(tick));
            }
            // Int(32 / 9) = 3 strength back on every tick while down.
            QCOMPARE(state.varEnHP, Cell(3 * tick));
        }
        QCOMPARE(topOf(spar, QStringLiteral("Front(0)")), 960);
        QCOMPARE(topOf(spar, QStringLiteral("RightArm(0)")), 720);
        QVERIFY(enabled(spar, QStringLiteral("LeftPunch(1)")));
        QVERIFY(!shown(spar, QStringLiteral("lblCount")));
        QVERIFY(spar.TimerEnemyAction().isRunning());
        QVERIFY(!spar.DownCountTimer().isEnabled());
        QVERIFY(!spar.EnemyDownUPTimer().isEnabled());
        QCOMPARE(state.varDownCount, Cell(1));
        QCOMPARE(spar.varDownWait, 0);
        QCOMPARE(spar.varWinLose, 0);
        QVERIFY(spar.isVisible());
    }

    void thirdOpponentKnockdownIsATkoWin()
    {
        GameFixture fixture(QList<double>{0.0});
        Spar &spar = startFirstBout(fixture);
        for (int down = 1; down <= 2; ++down) {
            knockDownOpponent(fixture, spar);
            fixture.game->scheduler().advance(5000);
            QVERIFY(enabled(spar, QStringLiteral("LeftPunch(1)")));
        }
        knockDownOpponent(fixture, spar);
        QCOMPARE(spar.varEnDown, 3);
        fixture.sound->clear();
        const int before = fixture.state().varEnHP.toInt();
        fixture.game->scheduler().advance(500);

        QCOMPARE(text(spar, QStringLiteral("lblCount")), QStringLiteral("TKO"));
        QCOMPARE(fixture.sound->played().first(), QStringLiteral("gong.wav"));
        QCOMPARE(fixture.state().varEnHP.toInt(), before);
        QCOMPARE(spar.varWinLose, 1);
        QCOMPARE(fixture.state().varKekka, 2);
        QCOMPARE(fixture.state().varSenseki[1][1], Cell(1));
        QCOMPARE(fixture.state().varNextEnemy, 3);
        QVERIFY(!spar.isVisible());
    }

    // Only an opponent that stays down past the count is counted out.
    void opponentCountedOutIsAKoWin()
    {
        GameFixture fixture(QList<double>{0.0});
        Spar &spar = startFirstBout(fixture);
        knockDownOpponent(fixture, spar);
        spar.varDownWait = -20;
        fixture.game->scheduler().advance(5000);

        QCOMPARE(text(spar, QStringLiteral("lblCount")), QStringLiteral("KO"));
        QCOMPARE(spar.varWinLose, 1);
        QCOMPARE(fixture.state().varSenseki[1][1], Cell(1));
        QVERIFY(!spar.isVisible());
        // The fall goes on behind the hub; its standing-up wakes no opponent.
        QVERIFY(spar.EnemyDownUPTimer().isRunning());
        QCOMPARE(spar.TimerEnemyAction().interval(), qint64(0));
    }

    void sweatShowsBelowAFifthAndDriesWhileDown()
    {
        GameFixture fixture(QList<double>{0.0});
        Spar &spar = startFirstBout(fixture);
        GameState &state = fixture.state();
        auto sweating = [&] { return !spar.findChild<LineWidget *>(QStringLiteral("sweat(7)"))->isHidden(); };
        QVERIFY(!sweating());
        state.varEnGuardR = 1;
        state.varEnHP = 111;
        QVERIFY(clickOn(&spar, QStringLiteral("LeftPunch(3)")));
        QCOMPARE(state.varEnHP, Cell(107));
        QVERIFY(sweating());

        // Down from 5 to -7: the sweat test sees -7, the display 0.
        fixture.random->setDraws({0.999});
        state.varEnHP = 2;
        QVERIFY(clickOn(&spar, QStringLiteral("LeftPunch(3)")));
        QVERIFY(sweating());
        // Each tick down gives back 3; the sweat dries above 108 of 540.
        state.varEnHP = 105;
        fixture.game->scheduler().advance(500);
        QVERIFY(sweating());
        fixture.game->scheduler().advance(500);
        QCOMPARE(state.varEnHP, Cell(111));
        QVERIFY(!sweating());
    }
};

QTEST_MAIN(SparKnockdownsTest)
#include "test_spar_knockdowns.moc"
