#include "ending/Ending.h"
#include "hub/MainCommand.h"
#include "match/Spar.h"
#include "support/Careers.h"
#include "support/Matches.h"

#include <QTest>

namespace {
// A new career whose next bout, against that row over that many rounds, starts now.
Spar &boutAgainst(GameFixture &fixture, int row, int rounds)
{
    startCareer(fixture);
    fixture.state().varNextEnemy = row;
    fixture.state().varKaisen = rounds;
    fixture.state().varNextDate = 1;
    fixture.game->hub().subOriginal();
    fixture.prompter->clearRecord();
    return fixture.game->spar();
}

void finish(Spar &spar, int winLose, bool decision = false)
{
    spar.varWinLose = winLose;
    spar.varHantei = decision ? 1 : 0;
    spar.subEnd();
}
} // namespace

class SparMatchEndTest : public QObject
{
    Q_OBJECT
private slots:
    void firstWinExchangesTheTitles()
    {
        GameFixture fixture;
        Spar &spar = boutAgainst(fixture, 2, 4);
        GameState &state = fixture.state();
        fixture.state().varNowRound = 3;
        finish(spar, 1);

        QCOMPARE(fixture.prompter->messageTexts(),
                 (QStringList{QStringLiteral("会長「よっしゃ！よくやった！！！！」"),
                              QStringLiteral("会長「次の試合相手は森下圭吾。試合はあと7日後だ！」"),
                              QStringLiteral("会長「この勢いで勝ち続けるぞっ！！」")}));
        QCOMPARE(state.Chara(1, CharaTable::Ranking), Cell("日本ランキング１０位"));
        QCOMPARE(state.Chara(2, CharaTable::Ranking), Cell("ノーランカー"));
        QCOMPARE(spar.temp, Cell("ノーランカー"));
        QCOMPARE(state.Chara(1, CharaTable::Wins), Cell(1));
        QCOMPARE(state.Chara(2, CharaTable::Losses), Cell(7));
        QCOMPARE(state.varSenseki[1][0], Cell("タイガー銀川"));
        QCOMPARE(state.varSenseki[1][1], Cell(3));
        QCOMPARE(state.varNextEnemy, 3);
        QCOMPARE(state.varKaisen, Cell(4));
        // The hub takes a day off the seven.
        QCOMPARE(state.varNextDate, Cell(6));
        QVERIFY(fixture.game->hub().isVisible());
        QVERIFY(!spar.isVisible());
    }

    void winsClimbTheLadderOfRounds_data()
    {
        QTest::addColumn<int>("beaten");
        QTest::addColumn<int>("roundsBefore");
        QTest::addColumn<int>("roundsAfter");
        QTest::newRow("row 3") << 3 << 4 << 4;
        QTest::newRow("row 4 leads to six rounds") << 4 << 4 << 6;
        QTest::newRow("row 7 leads to eight") << 7 << 6 << 8;
        QTest::newRow("row 10 leads to ten") << 10 << 8 << 10;
        QTest::newRow("row 14 leads to twelve") << 14 << 10 << 12;
        QTest::newRow("row 17: the champion over twelve") << 17 << 12 << 12;
    }
    void winsClimbTheLadderOfRounds()
    {
        QFETCH(int, beaten);
        QFETCH(int, roundsBefore);
        QFETCH(int, roundsAfter);
        GameFixture fixture;
        Spar &spar = boutAgainst(fixture, beaten, roundsBefore);
        finish(spar, 1, true);
        QCOMPARE(fixture.state().varNextEnemy, beaten + 1);
        QCOMPARE(fixture.state().varKaisen, Cell(roundsAfter));
        QCOMPARE(fixture.state().varSenseki[1][1], Cell(13));
    }

    void lossAndDrawKeepTheOpponentAndRounds()
    {
        GameFixture fixture;
        Spar &spar = boutAgainst(fixture, 5, 6);
        fixture.state().varNowRound = 2;
        finish(spar, 2);
        QCOMPARE(fixture.prompter->messageTexts(),
                 (QStringList{QStringLiteral("会長「次の試合相手は高城正晴。試合はあと8日後だ！」"),
                              QStringLiteral("会長「次こそは絶対リベンジするぞ！」"),
                              QStringLiteral("会長「また明日から練習だな・・・。」")}));
        QCOMPARE(fixture.state().varSenseki[1][1], Cell(15));
        QCOMPARE(fixture.state().Chara(5, CharaTable::Wins), Cell(16));
        QCOMPARE(fixture.state().varNextEnemy, 5);
        QCOMPARE(fixture.state().varKaisen, Cell(6));
        QCOMPARE(fixture.state().varNextDate, Cell(7));
        QCOMPARE(fixture.state().Chara(1, CharaTable::Ranking), Cell("ノーランカー"));
    }

    void secondLossWithoutAWinEndsTheCareer()
    {
        GameFixture fixture;
        Spar &spar = boutAgainst(fixture, 2, 4);
        finish(spar, 2, true);
        QVERIFY(!fixture.game->hasEnded());
        QCOMPARE(fixture.state().Chara(1, CharaTable::Losses), Cell(1));

        fixture.prompter->clearRecord();
        fixture.state().varNextDate = 1;
        fixture.game->hub().subOriginal();
        fixture.prompter->clearRecord();
        finish(spar, 2, true);
        QCOMPARE(fixture.prompter->messageTexts(),
                 (QStringList{QStringLiteral("会長「すまないが、おまえの戦績じゃあこれ以上はムリだ・・・。」"),
                              QStringLiteral("ゲームオーバー")}));
        QVERIFY(fixture.game->hasEnded());
        QCOMPARE(fixture.state().varSensekiCount, 2);
        QCOMPARE(fixture.state().varSenseki[2][1], Cell(26));
    }

    void threeWinsEndAtTheFifthLoss()
    {
        GameFixture fixture;
        Spar &spar = boutAgainst(fixture, 2, 4);
        fixture.state().Chara(1, CharaTable::Wins) = 3;
        fixture.state().Chara(1, CharaTable::Losses) = 3;
        finish(spar, 2);
        QVERIFY(!fixture.game->hasEnded());
        fixture.state().varNextDate = 1;
        fixture.game->hub().subOriginal();
        finish(spar, 2);
        QVERIFY(fixture.game->hasEnded());
    }

    void drawsNeverEndACareer()
    {
        GameFixture fixture;
        Spar &spar = boutAgainst(fixture, 2, 4);
        fixture.state().Chara(1, CharaTable::Losses) = 1;
        for (int bout = 0; bout < 3; ++bout) {
            finish(spar, 3, true);
            fixture.state().varNextDate = 1;
            fixture.game->hub().subOriginal();
        }
        QVERIFY(!fixture.game->hasEnded());
        QCOMPARE(fixture.state().Chara(1, CharaTable::Draws), Cell(3));
        QCOMPARE(fixture.state().varNextEnemy, 2);
    }

    void beatingTheLastChampionHandsOverToTheEnding()
    {
        GameFixture fixture;
        Spar &spar = boutAgainst(fixture, 18, 12);
        const Cell day = fixture.state().varNowDate;
        finish(spar, 1, true);
        QCOMPARE(fixture.state().varEndFlag, qint16(1));
        QCOMPARE(fixture.state().varNextEnemy, 18);
        QCOMPARE(fixture.state().varNowDate, day);
        QCOMPARE(fixture.state().Chara(1, CharaTable::Ranking), Cell("ＷＢＣチャンピョン"));
        QCOMPARE(fixture.state().varSenseki[1][1], Cell(13));
        QVERIFY(fixture.prompter->messageTexts().isEmpty());
        QVERIFY(!spar.isVisible());
        QVERIFY(!fixture.game->hub().isVisible());
        QVERIFY(fixture.game->ending().isVisible());
        QVERIFY(!fixture.game->hasEnded());
    }

    void boutWithoutAResultStopsTheProgram()
    {
        GameFixture fixture;
        Spar &spar = boutAgainst(fixture, 2, 4);
        finish(spar, 0);
        QCOMPARE(fixture.prompter->messageTexts(), QStringList{QStringLiteral("Error")});
        QVERIFY(fixture.game->hasEnded());
    }

    // The record has room for 100 bouts: later bouts are fought and counted but not recorded.
    void fullRecordStopsGrowing()
    {
        GameFixture fixture;
        Spar &spar = boutAgainst(fixture, 2, 4);
        GameState &state = fixture.state();
        state.varSensekiCount = 99;
        finish(spar, 3, true);
        QCOMPARE(state.varSensekiCount, 100);
        QCOMPARE(state.varSenseki[100][1], Cell(27));

        state.varNextDate = 1;
        fixture.game->hub().subOriginal();
        state.varNowRound = 2;
        finish(spar, 1);
        QCOMPARE(state.varSensekiCount, 100);
        QCOMPARE(state.varSenseki[100][0], Cell("タイガー銀川"));
        QCOMPARE(state.varSenseki[100][1], Cell(27));
        QCOMPARE(state.varSenseki[0][0], Cell());
        QCOMPARE(state.Chara(1, CharaTable::Wins), Cell(1));
        QCOMPARE(state.varNextEnemy, 3);
        QVERIFY(fixture.game->hub().isVisible());
    }

    void sparringTeachesByTheStrengthLeft_data()
    {
        QTest::addColumn<int>("partner");
        QTest::addColumn<int>("player");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("guts");
        QTest::addColumn<int>("maximum");
        QTest::newRow("far behind") << 400 << 300 << "根性が4上がった\r\n最大体力が8上がった" << 44 << 508;
        QTest::newRow("behind") << 340 << 300 << "根性が2上がった\r\n最大体力が4上がった" << 42 << 504;
        QTest::newRow("level") << 330 << 300 << "練習の成果がでなかった・・・" << 40 << 500;
        QTest::newRow("partner stopped") << 0 << 450 << "練習の成果がでなかった・・・" << 40 << 500;
    }
    void sparringTeachesByTheStrengthLeft()
    {
        QFETCH(int, partner);
        QFETCH(int, player);
        QFETCH(QString, message);
        QFETCH(int, guts);
        QFETCH(int, maximum);
        GameFixture fixture;
        Spar &spar = startSparring(fixture);
        GameState &state = fixture.state();
        state.varEnHP = partner;
        state.Chara(1, CharaTable::Strength) = player;
        finish(spar, 0);
        QCOMPARE(fixture.prompter->messageTexts(), QStringList{message});
        QCOMPARE(state.Chara(1, CharaTable::Guts), Cell(guts));
        QCOMPARE(state.Chara(1, CharaTable::MaxStrength), Cell(maximum));
        QCOMPARE(state.Chara(1, CharaTable::Strength), Cell(player));
        QCOMPARE(state.varSensekiCount, 0);
        QCOMPARE(state.varNowDate, Cell(2));
        QVERIFY(!spar.isVisible());
        QVERIFY(!spar.isEnabled());
        QVERIFY(fixture.game->hub().isVisible());
    }
};

QTEST_MAIN(SparMatchEndTest)
#include "test_spar_match_end.moc"
