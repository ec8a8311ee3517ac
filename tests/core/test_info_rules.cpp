#include "data/Roster.h"
#include "info/core/BoxerCard.h"
#include "info/core/FightRecord.h"
#include "info/core/TrainingTotals.h"

#include <QTest>

Q_DECLARE_METATYPE(Cell)

namespace {
GameState newCareer()
{
    GameState state;
    subCharaDataLoad(state.Chara);
    state.Chara(1, 0) = QStringLiteral("山田");
    state.Chara(1, 1) = QStringLiteral("東京");
    return state;
}
} // namespace

class InfoRulesTest : public QObject
{
    Q_OBJECT
private slots:
    // The player's strength is current and maximum with a slash; no note on the own card.
    void playerCardShowsBothStrengthsAndTheRecord()
    {
        GameState state = newCareer();
        state.Chara(1, 2) = 420;
        state.Chara(1, 7) = 5;
        state.Chara(1, 8) = 4;
        state.Chara(1, 9) = 2;
        const BoxerCard card = playerCard(state);
        QCOMPARE(card.name, QStringLiteral("山田"));
        QCOMPARE(card.birthplace, QStringLiteral("東京"));
        QCOMPARE(card.ranking, QStringLiteral("ノーランカー"));
        QCOMPARE(card.strength, QStringLiteral("420/500"));
        QCOMPARE(card.punch, QStringLiteral("40"));
        QCOMPARE(card.quick, QStringLiteral("40"));
        QCOMPARE(card.guts, QStringLiteral("40"));
        QCOMPARE(card.record, QStringLiteral("5勝4敗2分"));
        QVERIFY(card.message.isEmpty());
    }

    // An opponent's strength stands alone and column 3 is read as the chairman's note, not a number.
    void opponentCardShowsOneStrengthAndTheNote()
    {
        const GameState state = newCareer();
        const BoxerCard card = opponentCard(state, 10);
        QCOMPARE(card.name, QStringLiteral("趙剛烈"));
        QCOMPARE(card.birthplace, QStringLiteral("北京"));
        QCOMPARE(card.ranking, QStringLiteral("ＯＰＢＦ１位"));
        QCOMPARE(card.strength, QStringLiteral("768"));
        QCOMPARE(card.punch, QStringLiteral("98"));
        QCOMPARE(card.quick, QStringLiteral("101"));
        QCOMPARE(card.guts, QStringLiteral("97"));
        QCOMPARE(card.record, QStringLiteral("27勝2敗0分"));
        QCOMPARE(card.message,
                 QStringLiteral("ＯＰＢＦのタイトルに何回も挑戦しているが、あとちょっとのところでどうしてもなれないでいる。"));
    }

    void recordText_data()
    {
        QTest::addColumn<Cell>("wins");
        QTest::addColumn<Cell>("losses");
        QTest::addColumn<Cell>("draws");
        QTest::addColumn<QString>("text");
        QTest::newRow("no bouts") << Cell(0) << Cell(0) << Cell(0) << QStringLiteral("0勝0敗0分");
        QTest::newRow("champion") << Cell(114) << Cell(0) << Cell(0) << QStringLiteral("114勝0敗0分");
        QTest::newRow("mixed") << Cell(5) << Cell(4) << Cell(2) << QStringLiteral("5勝4敗2分");
        QTest::newRow("empty cells stay empty") << Cell() << Cell() << Cell() << QStringLiteral("勝敗分");
    }
    void recordText()
    {
        QFETCH(Cell, wins);
        QFETCH(Cell, losses);
        QFETCH(Cell, draws);
        QFETCH(QString, text);
        QCOMPARE(::recordText(wins, losses, draws), text);
    }

    // A loaded career may name a row outside the table; the card must not read past it.
    void opponentRowOutsideTheTableGivesABlankCard_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("below") << -1;
        QTest::newRow("just past the champion") << 19;
        QTest::newRow("far off") << 1000;
    }
    void opponentRowOutsideTheTableGivesABlankCard()
    {
        QFETCH(int, row);
        const BoxerCard card = opponentCard(newCareer(), row);
        QVERIFY(card.name.isEmpty());
        QVERIFY(card.strength.isEmpty());
        QVERIFY(card.record.isEmpty());
        QVERIFY(card.message.isEmpty());
    }

    void trainingTotalsComeFromTheCareerVariables()
    {
        GameState state = newCareer();
        state.varSandHit = 123;
        state.varSandMiss = 45;
        state.varBallHit = 678;
        state.varBallMiss = 90;
        const TrainingTotals totals = trainingTotals(state);
        QCOMPARE(totals.sandHit, QStringLiteral("123"));
        QCOMPARE(totals.sandMiss, QStringLiteral("45"));
        QCOMPARE(totals.ballHit, QStringLiteral("678"));
        QCOMPARE(totals.ballMiss, QStringLiteral("90"));
    }

    void resultText_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("KO win in round 1") << 1 << QStringLiteral("1RKO勝ち");
        QTest::newRow("KO win in round 3") << 3 << QStringLiteral("3RKO勝ち");
        QTest::newRow("KO win in round 12") << 12 << QStringLiteral("12RKO勝ち");
        QTest::newRow("decision win") << 13 << QStringLiteral("判定勝ち");
        QTest::newRow("KO loss in round 1") << 14 << QStringLiteral("1RKO負け");
        QTest::newRow("KO loss in round 2") << 15 << QStringLiteral("2RKO負け");
        QTest::newRow("KO loss in round 12") << 25 << QStringLiteral("12RKO負け");
        QTest::newRow("decision loss") << 26 << QStringLiteral("判定負け");
        QTest::newRow("draw") << 27 << QStringLiteral("ドロー");
        QTest::newRow("no code") << 0 << QString();
        QTest::newRow("past the last code") << 28 << QString();
        QTest::newRow("negative") << -5 << QString();
    }
    void resultText()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        QCOMPARE(FightRecord::resultText(code), text);
    }

    void headerNamesTheThreeColumns()
    {
        QCOMPARE(FightRecord::header(),
                 (QStringList{QStringLiteral("対戦No"), QStringLiteral("ボクサー名"), QStringLiteral("結果")}));
    }

    void rowsListEveryBoutInOrder()
    {
        GameState state = newCareer();
        QVERIFY(FightRecord::rows(state).isEmpty());

        const int codes[5] = {27, 3, 26, 13, 15};
        const char *names[5] = {"タイガー銀川", "タイガー銀川", "森下圭吾", "森下圭吾", "加藤翔"};
        for (int k = 1; k <= 5; ++k) {
            state.varSenseki[k][0] = QString::fromUtf8(names[k - 1]);
            state.varSenseki[k][1] = codes[k - 1];
        }
        // A bout written past the count is not part of the record yet.
        state.varSenseki[6][0] = QStringLiteral("加藤翔");
        state.varSenseki[6][1] = 1;
        state.varSensekiCount = 5;

        const QList<QStringList> rows = FightRecord::rows(state);
        QCOMPARE(rows.size(), 5);
        QCOMPARE(rows[0], (QStringList{QStringLiteral("1"), QStringLiteral("タイガー銀川"), QStringLiteral("ドロー")}));
        QCOMPARE(rows[1], (QStringList{QStringLiteral("2"), QStringLiteral("タイガー銀川"), QStringLiteral("3RKO勝ち")}));
        QCOMPARE(rows[2], (QStringList{QStringLiteral("3"), QStringLiteral("森下圭吾"), QStringLiteral("判定負け")}));
        QCOMPARE(rows[3], (QStringList{QStringLiteral("4"), QStringLiteral("森下圭吾"), QStringLiteral("判定勝ち")}));
        QCOMPARE(rows[4], (QStringList{QStringLiteral("5"), QStringLiteral("加藤翔"), QStringLiteral("2RKO負け")}));
    }

    // Codes come back from save files as cells; an empty or unknown one leaves the result blank.
    void storedCodesOfEveryKindAreRead()
    {
        GameState state = newCareer();
        state.varSensekiCount = 3;
        state.varSenseki[1][1] = QStringLiteral("13");
        state.varSenseki[2][1].clear();
        state.varSenseki[3][1] = QStringLiteral("勝ち");
        const QList<QStringList> rows = FightRecord::rows(state);
        QCOMPARE(rows[0][2], QStringLiteral("判定勝ち"));
        QCOMPARE(rows[1][2], QString());
        QCOMPARE(rows[1][1], QString());
        QCOMPARE(rows[2][2], QString());
    }

    // A damaged count never reads past the hundred bouts the record holds.
    void countOutsideTheRecordIsHeldToItsRows_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("rows");
        QTest::newRow("full record") << 100 << 100;
        QTest::newRow("one past") << 101 << 100;
        QTest::newRow("huge") << 1000000 << 100;
        QTest::newRow("negative") << -3 << 0;
    }
    void countOutsideTheRecordIsHeldToItsRows()
    {
        QFETCH(int, count);
        QFETCH(int, rows);
        GameState state = newCareer();
        state.varSensekiCount = count;
        const QList<QStringList> listed = FightRecord::rows(state);
        QCOMPARE(listed.size(), rows);
        if (rows > 0)
            QCOMPARE(listed.last().first(), QString::number(rows));
    }
};

QTEST_GUILESS_MAIN(InfoRulesTest)
#include "test_info_rules.moc"
