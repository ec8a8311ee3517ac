#include "title/core/BoxerNameRules.h"

#include <QTest>

// A name is taken only when it fits the entry rules and the save file gives it back as typed.
class BoxerNamesTest : public QObject
{
    Q_OBJECT
private slots:
    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("default name") << QStringLiteral("ボクサー名") << true;
        QTest::newRow("five half-width") << QStringLiteral("abcde") << true;
        QTest::newRow("five full-width") << QStringLiteral("山田太郎丸") << true;
        QTest::newRow("one character") << QStringLiteral("A") << true;
        QTest::newRow("half-width kana") << QStringLiteral("ﾎﾞｸｻｰ") << true;
        QTest::newRow("inner space") << QStringLiteral("A B") << true;
        QTest::newRow("wave dash") << QStringLiteral("あ～い") << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("six half-width") << QStringLiteral("abcdef") << false;
        QTest::newRow("six full-width") << QStringLiteral("山田太郎丸子") << false;
        QTest::newRow("comma") << QStringLiteral("山,田") << false;
        QTest::newRow("full-width comma is fine") << QStringLiteral("山，田") << true;
        QTest::newRow("leading quote") << QStringLiteral("\"山田") << false;
        QTest::newRow("inner quote") << QStringLiteral("山\"田") << true;
        QTest::newRow("leading space") << QStringLiteral(" 山田") << false;
        QTest::newRow("trailing space") << QStringLiteral("山田 ") << false;
        QTest::newRow("ideographic space at the end") << QStringLiteral("山田\u3000") << false;
        QTest::newRow("tab") << QStringLiteral("山\t田") << false;
        QTest::newRow("line break") << QStringLiteral("山\r\n") << false;
        QTest::newRow("emoji") << QStringLiteral("\U0001F600") << false;
        QTest::newRow("outside code page 932") << QStringLiteral("\U00020BB7") << false;
        QTest::newRow("hangul") << QStringLiteral("김") << false;
    }
    void names()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        QCOMPARE(isAcceptableBoxerName(name), accepted);
    }
};

QTEST_APPLESS_MAIN(BoxerNamesTest)
#include "test_boxer_names.moc"
