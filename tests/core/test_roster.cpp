#include "data/Roster.h"

#include <QTest>

class RosterTest : public QObject
{
    Q_OBJECT
private slots:
    // Every cell is written, with the kinds the save file and the checksum rely on.
    void everyCellIsFilled()
    {
        CharaTable chara;
        subCharaDataLoad(chara);
        for (int row = 0; row < CharaTable::Rows; ++row)
            for (int column = 0; column < CharaTable::Columns; ++column)
                QVERIFY2(!chara(row, column).isEmpty(), qPrintable(QStringLiteral("%1,%2").arg(row).arg(column)));
        for (int row = 1; row < CharaTable::Rows; ++row) {
            QCOMPARE(chara(row, CharaTable::SkinColour), Cell(QString()));
            QCOMPARE(chara(row, CharaTable::FaceFile), Cell(QString()));
            for (int column : {2, 4, 5, 6, 7, 8, 9})
                QVERIFY(chara(row, column).isNumber());
            QCOMPARE(chara(row, CharaTable::MaxStrength).isNumber(), row == CharaTable::PlayerRow);
        }
    }

    void knownCells_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::newRow("caption 0") << 0 << 0 << QStringLiteral("ボクサー名");
        QTest::newRow("caption 12") << 0 << 12 << QStringLiteral("ランキング12");
        QTest::newRow("player") << 1 << 0 << QStringLiteral("主人公");
        QTest::newRow("player max") << 1 << 3 << QStringLiteral("500");
        QTest::newRow("player title") << 1 << 12 << QStringLiteral("ノーランカー");
        QTest::newRow("first opponent") << 2 << 0 << QStringLiteral("タイガー銀川");
        QTest::newRow("row 9 strength") << 9 << 2 << QStringLiteral("794");
        QTest::newRow("row 13 birthplace") << 13 << 1 << QStringLiteral("ワシントンDC");
        QTest::newRow("champion title") << 18 << 12 << QStringLiteral("ＷＢＣチャンピョン");
        QTest::newRow("champion guts") << 18 << 6 << QStringLiteral("247");
        QTest::newRow("row 6 description")
            << 6 << 3 << QStringLiteral("運を味方に付けてチャンピョンになれた新米チャンピョン。防衛回数は１回");
    }
    void knownCells()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, text);
        CharaTable chara;
        subCharaDataLoad(chara);
        QCOMPARE(chara(row, column).toText(), text);
    }

    // The numbers the save file's checksum covers add up to the figure every new save carries.
    void coveredNumbersSumTo23585()
    {
        CharaTable chara;
        subCharaDataLoad(chara);
        int sum = chara(1, 3).toInt();
        for (int row = 1; row <= 18; ++row) {
            sum += chara(row, 2).toInt();
            for (int column = 4; column <= 9; ++column)
                sum += chara(row, column).toInt();
        }
        QCOMPARE(sum, 23585);
    }
};

QTEST_APPLESS_MAIN(RosterTest)
#include "test_roster.moc"
