#include "match/core/MatchRules.h"

#include <QTest>

class MatchRulesTest : public QObject
{
    Q_OBJECT
private slots:
    void playerPunchDamageByPowerAndDistance_data()
    {
        QTest::addColumn<int>("power");
        QTest::addColumn<int>("distance");
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("damage");
        QTest::newRow("40 guarded, low draw") << 40 << 0 << 0.0 << 0;
        QTest::newRow("40 guarded, high draw") << 40 << 0 << 0.999 << 0;
        QTest::newRow("40 at 1, low draw") << 40 << 1 << 0.0 << 1;
        QTest::newRow("40 at 1, high draw") << 40 << 1 << 0.999 << 2;
        QTest::newRow("40 at 2, low draw") << 40 << 2 << 0.0 << 4;
        QTest::newRow("40 at 2, high draw") << 40 << 2 << 0.999 << 9;
        QTest::newRow("75 guarded: Int(0.8) is 0") << 75 << 0 << 0.999 << 0;
        QTest::newRow("100 guarded, low draw: Int(1.07) is 1") << 100 << 0 << 0.0 << 1;
        QTest::newRow("100 guarded, high draw") << 100 << 0 << 0.999 << 2;
    }
    void playerPunchDamageByPowerAndDistance()
    {
        QFETCH(int, power);
        QFETCH(int, distance);
        QFETCH(double, draw);
        QFETCH(int, damage);
        const std::optional<int> divisor = punchDivisor(distance);
        QVERIFY(divisor);
        QCOMPARE(hitDamage(power, *divisor, draw), damage);
    }

    void punchTableGivesDivisorAndSound_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("guard");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<QString>("sound");
        QTest::newRow("straight into a high guard") << 1 << 1 << 75 << "punchGuard.wav";
        QTest::newRow("body blow under a high guard") << 3 << 1 << 7 << "punchBigHit.wav";
        QTest::newRow("straight past a middle guard") << 1 << 2 << 21 << "punchHit.wav";
        QTest::newRow("body blow past a middle guard") << 3 << 2 << 21 << "punchHit.wav";
        QTest::newRow("body blow into a low guard") << 3 << 3 << 75 << "punchGuard.wav";
        QTest::newRow("straight over a low guard") << 1 << 3 << 7 << "punchBigHit.wav";
        QTest::newRow("straight before any guard") << 1 << 0 << 21 << "punchHit.wav";
    }
    void punchTableGivesDivisorAndSound()
    {
        QFETCH(int, button);
        QFETCH(int, guard);
        QFETCH(int, divisor);
        QFETCH(QString, sound);
        const int distance = punchDistance(button, guard);
        QCOMPARE(punchDivisor(distance), std::optional<int>(divisor));
        QCOMPARE(punchSound(distance), sound);
    }

    // A body blow before the opponent has ever raised a guard lies outside the table.
    void bodyBlowBeforeAnyGuardIsOutsideTheTable()
    {
        const int distance = punchDistance(3, 0);
        QCOMPARE(punchDivisor(distance), std::nullopt);
        QVERIFY(punchSound(distance).isEmpty());
    }

    void opponentDamageGuardedAndNot_data()
    {
        QTest::addColumn<bool>("guards");
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("damage");
        QTest::newRow("guarded, low draw") << true << 0.0 << 1;
        QTest::newRow("guarded, high draw") << true << 0.999 << 3;
        QTest::newRow("open, low draw") << false << 0.0 << 4;
        QTest::newRow("open, high draw") << false << 0.999 << 9;
    }
    void opponentDamageGuardedAndNot()
    {
        QFETCH(bool, guards);
        QFETCH(double, draw);
        QFETCH(int, damage);
        QCOMPARE(hitDamage(38, enemyPunchDivisor(guards), draw), damage);
    }

    void guardHeightAndArmTops_data()
    {
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("gloveTop");
        QTest::addColumn<int>("forearmTop");
        QTest::newRow("0 is high") << 0.0 << 1 << 320 << 560;
        QTest::newRow("just under a third is high") << 0.333 << 1 << 320 << 560;
        QTest::newRow("a half is middle") << 0.5 << 2 << 720 << 960;
        QTest::newRow("almost 1 is low") << 0.999 << 3 << 1220 << 1460;
    }
    void guardHeightAndArmTops()
    {
        QFETCH(double, draw);
        QFETCH(int, height);
        QFETCH(int, gloveTop);
        QFETCH(int, forearmTop);
        QCOMPARE(guardHeightFromDraw(draw), height);
        QCOMPARE(armTop(height, 0), gloveTop);
        QCOMPARE(armTop(height, 1), forearmTop);
    }

    void actionIntervalInABout_data()
    {
        QTest::addColumn<int>("difference");
        QTest::addColumn<qint64>("interval");
        QTest::newRow("30 slower") << -30 << qint64(1300);
        QTest::newRow("equal") << 0 << qint64(1000);
        QTest::newRow("50 quicker") << 50 << qint64(500);
        QTest::newRow("95 quicker") << 95 << qint64(50);
        QTest::newRow("150 quicker") << 150 << qint64(-500);
    }
    void actionIntervalInABout()
    {
        QFETCH(int, difference);
        QFETCH(qint64, interval);
        QCOMPARE(boutActionInterval(40 + difference, 40), interval);
    }

    void sparringIntervalComesFromTheNextOpponentOnly()
    {
        QCOMPARE(sparringActionInterval(36), qint64(892));
        QCOMPARE(sparringActionInterval(245), qint64(265));
    }

    void scaledIsTheDoubleProductRoundedDown_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("result");
        QTest::newRow("0.7 x 90") << 0.7 << 90 << 62;
        QTest::newRow("0.7 x 500") << 0.7 << 500 << 350;
        QTest::newRow("0.8 x 99") << 0.8 << 99 << 79;
        QTest::newRow("1.1 x 500") << 1.1 << 500 << 550;
        QTest::newRow("0.6 x 40") << 0.6 << 40 << 24;
    }
    void scaledIsTheDoubleProductRoundedDown()
    {
        QFETCH(double, factor);
        QFETCH(int, value);
        QFETCH(int, result);
        QCOMPARE(scaled(factor, value), result);
    }

    void recoveryByGuts_data()
    {
        QTest::addColumn<int>("guts");
        QTest::addColumn<int>("perIntervalTick");
        QTest::addColumn<int>("perDownTick");
        QTest::newRow("first opponent") << 32 << 0 << 3;
        QTest::newRow("37") << 37 << 0 << 4;
        QTest::newRow("38") << 38 << 1 << 4;
        QTest::newRow("last champion") << 114 << 3 << 12;
        QTest::newRow("8: nothing while down") << 8 << 0 << 0;
        QTest::newRow("9") << 9 << 0 << 1;
    }
    void recoveryByGuts()
    {
        QFETCH(int, guts);
        QFETCH(int, perIntervalTick);
        QFETCH(int, perDownTick);
        QCOMPARE(intervalRecovery(guts), perIntervalTick);
        QCOMPARE(knockdownRecovery(guts), perDownTick);
    }

    void recoveryStopsAtTheCap()
    {
        QCOMPARE(recoveredStrength(1990, 3, 2000), 1993);
        QCOMPARE(recoveredStrength(1999, 3, 2000), 2000);
        QCOMPARE(recoveredStrength(2000, 3, 2000), 2000);
    }

    // Sweat starts strictly below a fifth of the full strength and dries strictly above it.
    void sweatThresholds_data()
    {
        QTest::addColumn<int>("strength");
        QTest::addColumn<int>("full");
        QTest::addColumn<bool>("sweats");
        QTest::addColumn<bool>("dries");
        QTest::newRow("107 of 540") << 107 << 540 << true << false;
        QTest::newRow("108 of 540 is exactly a fifth") << 108 << 540 << false << false;
        QTest::newRow("109 of 540") << 109 << 540 << false << true;
        QTest::newRow("below 0 before the clamp") << -7 << 540 << true << false;
        QTest::newRow("fraction: 113 of 567 (113.4)") << 113 << 567 << true << false;
        QTest::newRow("fraction: 114 of 567") << 114 << 567 << false << true;
    }
    void sweatThresholds()
    {
        QFETCH(int, strength);
        QFETCH(int, full);
        QFETCH(bool, sweats);
        QFETCH(bool, dries);
        QCOMPARE(sweatsAt(strength, full), sweats);
        QCOMPARE(sweatDriesAt(strength, full), dries);
    }

    void sparringEvaluation_data()
    {
        QTest::addColumn<int>("partner");
        QTest::addColumn<int>("player");
        QTest::addColumn<int>("gain");
        QTest::newRow("lead above a fifth") << 121 << 100 << int(SparringGain::Great);
        QTest::newRow("lead of exactly a fifth") << 120 << 100 << int(SparringGain::Some);
        QTest::newRow("lead above a tenth") << 111 << 100 << int(SparringGain::Some);
        QTest::newRow("lead of exactly a tenth") << 110 << 100 << int(SparringGain::None);
        QTest::newRow("fractions: 2 over 7 is above 1.4") << 9 << 7 << int(SparringGain::Great);
        QTest::newRow("fractions: 1 over 7 is above 0.7") << 8 << 7 << int(SparringGain::Some);
        QTest::newRow("partner stopped") << 0 << 450 << int(SparringGain::None);
        QTest::newRow("player spent, partner not") << 5 << 0 << int(SparringGain::Great);
        QTest::newRow("both spent") << 0 << 0 << int(SparringGain::None);
    }
    void sparringEvaluation()
    {
        QFETCH(int, partner);
        QFETCH(int, player);
        QFETCH(int, gain);
        QCOMPARE(int(sparringGain(partner, player)), gain);
    }

    void resultCodes_data()
    {
        QTest::addColumn<int>("winLose");
        QTest::addColumn<int>("round");
        QTest::addColumn<bool>("decision");
        QTest::addColumn<int>("code");
        QTest::newRow("KO win in 1") << int(WinLoseWin) << 1 << false << 1;
        QTest::newRow("TKO win in 3") << int(WinLoseWin) << 3 << false << 3;
        QTest::newRow("KO win in 12") << int(WinLoseWin) << 12 << false << 12;
        QTest::newRow("decision win in 6 of 6") << int(WinLoseWin) << 6 << true << 13;
        QTest::newRow("KO loss in 1") << int(WinLoseLoss) << 1 << false << 14;
        QTest::newRow("KO loss in 2") << int(WinLoseLoss) << 2 << false << 15;
        QTest::newRow("KO loss in 12") << int(WinLoseLoss) << 12 << false << 25;
        QTest::newRow("decision loss") << int(WinLoseLoss) << 4 << true << 26;
        QTest::newRow("draw") << int(WinLoseDraw) << 4 << true << 27;
        QTest::newRow("no result") << int(WinLoseNone) << 4 << true << 0;
    }
    void resultCodes()
    {
        QFETCH(int, winLose);
        QFETCH(int, round);
        QFETCH(bool, decision);
        QFETCH(int, code);
        QCOMPARE(resultCode(winLose, round, decision), code);
    }

    // Climbing the ladder from a new career's 4 rounds, one win per row.
    void ladderOfRounds()
    {
        const int expected[19] = {0, 0, 4, 4, 4, 6, 6, 6, 8, 8, 8, 10, 10, 10, 10, 12, 12, 12, 12};
        int rounds = 4;
        for (int next = 3; next <= 18; ++next) {
            rounds = roundsForNextEnemy(next, rounds);
            QCOMPARE(rounds, expected[next]);
        }
    }

    void careerEnd_data()
    {
        QTest::addColumn<int>("wins");
        QTest::addColumn<int>("losses");
        QTest::addColumn<bool>("over");
        QTest::newRow("first loss") << 0 << 1 << false;
        QTest::newRow("second loss without a win") << 0 << 2 << true;
        QTest::newRow("three wins, four losses") << 3 << 4 << false;
        QTest::newRow("three wins, fifth loss") << 3 << 5 << true;
    }
    void careerEnd()
    {
        QFETCH(int, wins);
        QFETCH(int, losses);
        QFETCH(bool, over);
        QCOMPARE(careerIsOver(wins, losses), over);
    }

    void recordRowsStopAtTheCapacity_data()
    {
        QTest::addColumn<int>("recorded");
        QTest::addColumn<std::optional<int>>("row");
        QTest::newRow("first bout") << 0 << std::optional<int>(1);
        QTest::newRow("hundredth bout") << 99 << std::optional<int>(100);
        QTest::newRow("record full") << 100 << std::optional<int>();
        QTest::newRow("count beyond the table") << 150 << std::optional<int>();
        QTest::newRow("negative count") << -1 << std::optional<int>();
    }
    void recordRowsStopAtTheCapacity()
    {
        QFETCH(int, recorded);
        QFETCH(std::optional<int>, row);
        QCOMPARE(nextRecordRow(recorded, 100), row);
    }

    void clockReadsMinutesAndTwoDigitSeconds_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("start") << 3 << 0 << "3:00";
        QTest::newRow("2:59") << 2 << 59 << "2:59";
        QTest::newRow("2:05") << 2 << 5 << "2:05";
        QTest::newRow("0:10") << 0 << 10 << "0:10";
        QTest::newRow("0:09") << 0 << 9 << "0:09";
    }
    void clockReadsMinutesAndTwoDigitSeconds()
    {
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(clockText(minutes, seconds), text);
    }
};

QTEST_APPLESS_MAIN(MatchRulesTest)
#include "test_match_rules.moc"
