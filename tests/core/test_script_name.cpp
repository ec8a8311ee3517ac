#include "replay/core/ScriptName.h"

#include <QTest>

// Names of files and list entries in a record's lines: each must read back as it was, and what
// records wrote before names were quoted must read as it always did.
class ScriptNameTest : public QObject
{
    Q_OBJECT

private slots:
    void everyNameReadsBackAsItWas_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain") << QStringLiteral("hero.sav") << QStringLiteral("hero.sav");
        QTest::newRow("a space inside") << QStringLiteral("my save.sav") << QStringLiteral("\"my save.sav\"");
        QTest::newRow("leading spaces") << QStringLiteral("  lead.sav") << QStringLiteral("\"  lead.sav\"");
        QTest::newRow("trailing space") << QStringLiteral("lead.sav ") << QStringLiteral("\"lead.sav \"");
        QTest::newRow("a quote first") << QStringLiteral("\"x.sav") << QStringLiteral("\"\\\"x.sav\"");
        QTest::newRow("a quote inside") << QStringLiteral("a\"b.sav") << QStringLiteral("a\"b.sav");
        QTest::newRow("a backslash in quotes") << QStringLiteral("a \\b.sav") << QStringLiteral("\"a \\\\b.sav\"");
        QTest::newRow("line ends and a tab")
            << QStringLiteral("a\nb\r\tc.sav") << QStringLiteral("\"a\\nb\\r\\tc.sav\"");
        QTest::newRow("another control character") << QStringLiteral("a\x01.sav") << QStringLiteral("\"a\\u0001.sav\"");
        QTest::newRow("a wide space") << QStringLiteral("山田\u3000太郎.sav")
                                      << QStringLiteral("\"山田\\u3000太郎.sav\"");
        QTest::newRow("empty") << QStringLiteral("") << QStringLiteral("\"\"");
    }

    void everyNameReadsBackAsItWas()
    {
        QFETCH(QString, name);
        QFETCH(QString, written);
        QCOMPARE(ScriptName::quoted(name), written);
        QVERIFY(!written.contains(QLatin1Char('\n')) && !written.contains(QLatin1Char('\r')));
        QCOMPARE(ScriptName::fromLineEnd(written), name);
        QString read;
        QCOMPARE(ScriptName::readQuoted(written + QStringLiteral(" BASE64"), &read),
                 written.startsWith(QLatin1Char('"')) ? written.size() : -1);
    }

    // A line end that is no whole quoted name is the name as it stands.
    void whatIsNoQuotedNameIsTakenAsItStands_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("bare with spaces") << "my save.sav";
        QTest::newRow("no closing quote") << "\"x.sav";
        QTest::newRow("more after the quote") << "\"a\".sav";
        QTest::newRow("an unknown escape") << "\"a\\qb\"";
        QTest::newRow("a short \\u") << "\"a\\u12\"";
        QTest::newRow("a \\u that is no number") << "\"a\\u+123\"";
        QTest::newRow("a lone backslash at the end") << "\"a\\";
    }

    void whatIsNoQuotedNameIsTakenAsItStands()
    {
        QFETCH(QString, text);
        QCOMPARE(ScriptName::fromLineEnd(text), text);
    }
};

QTEST_GUILESS_MAIN(ScriptNameTest)
#include "test_script_name.moc"
