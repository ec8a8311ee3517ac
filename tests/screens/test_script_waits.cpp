// A script's wait: any length up to a day of game time runs, a longer one or one that is no
// number is refused with an error line and leaves the clock where it was, so no script can
// hang the program or run the game clock past what it can hold; nor can all its waits together
// ask for more than a month of game time.
#include "app/ScriptedGame.h"
#include "platform/Transcript.h"

#include <QRegularExpression>
#include <QTest>

class TestScriptWaits : public QObject
{
    Q_OBJECT
private slots:
    void waitsAreBoundedToADay_data()
    {
        QTest::addColumn<QStringList>("waits");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<qint64>("elapsed");
        const QString day = QStringLiteral("wait 86400000");
        // The waits start on line 4, after the three lines that open a career.
        const auto tooLong = [](int line) {
            return QStringLiteral("line %1: wait is at most 86400000 milliseconds (a day of game time)").arg(line);
        };
        const auto notANumber = [](int line) {
            return QStringLiteral("line %1: wait needs a whole number of milliseconds").arg(line);
        };
        QTest::newRow("nothing") << QStringList{QStringLiteral("wait 0")} << QStringList() << qint64(0);
        QTest::newRow("a day") << QStringList{day} << QStringList() << qint64(86400000);
        QTest::newRow("a day three times") << QStringList{day, day, day} << QStringList() << qint64(259200000);
        QTest::newRow("a millisecond past a day")
            << QStringList{QStringLiteral("wait 86400001")} << QStringList{tooLong(4)} << qint64(0);
        QTest::newRow("the largest number twice")
            << QStringList{QStringLiteral("wait 9223372036854775807"), QStringLiteral("wait 9223372036854775807")}
            << QStringList{tooLong(4), tooLong(5)} << qint64(0);
        QTest::newRow("more digits than a number holds")
            << QStringList{QStringLiteral("wait 184467440737095516160000")} << QStringList{tooLong(4)} << qint64(0);
        QTest::newRow("a huge wait between two days")
            << QStringList{day, QStringLiteral("wait 9223372036854775000"), day} << QStringList{tooLong(5)}
            << qint64(172800000);
        QTest::newRow("negative") << QStringList{QStringLiteral("wait -1")} << QStringList{notANumber(4)} << qint64(0);
        QTest::newRow("the most negative number")
            << QStringList{QStringLiteral("wait -9223372036854775808")} << QStringList{notANumber(4)} << qint64(0);
        QTest::newRow("digits beyond ASCII")
            << QStringList{QStringLiteral("wait １０００")} << QStringList{notANumber(4)} << qint64(0);
        // All the waits of a script together are bounded too: a record of many day-long waits
        // would keep the program busy for hours.
        const auto allTooLong = [](int line) {
            return QStringLiteral("line %1: a script waits at most 2592000000 milliseconds in all (30 days of game "
                                  "time)")
                .arg(line);
        };
        QStringList month(30, day);
        QTest::newRow("thirty days in all") << month << QStringList() << qint64(2592000000);
        QTest::newRow("a day past thirty days in all")
            << (QStringList(month) << day << QStringLiteral("wait 0")) << QStringList{allTooLong(34)}
            << qint64(2592000000);
        QTest::newRow("a catch-up past thirty days in all")
            << (QStringList(month) << QStringLiteral("catchup 1")) << QStringList{allTooLong(34)} << qint64(2592000000);
        QTest::newRow("not a whole number")
            << QStringList{QStringLiteral("wait 1e9"), QStringLiteral("wait 0x7fffffffffffffff")}
            << QStringList{notANumber(4), notANumber(5)} << qint64(0);
    }

    void waitsAreBoundedToADay()
    {
        QFETCH(QStringList, waits);
        QFETCH(QStringList, errors);
        QString output;
        QTextStream stream(&output);
        Transcript transcript(stream);
        ScriptedGame scripted(transcript);
        // On the hub no timer runs, so a day of game time passes at once.
        scripted.driver().run(QStringLiteral("input 山田\ninput 東京\nclick frmMain.Command1"));
        QVERIFY2(!transcript.hadErrors(), qPrintable(output));
        const qint64 start = scripted.game().scheduler().now();
        stream.flush();
        output.clear();

        int lineNumber = 3;
        for (const QString &wait : waits)
            scripted.driver().runCommand(++lineNumber, wait);

        stream.flush();
        QStringList written;
        static const QRegularExpression errorLine(QStringLiteral("^\\d+\\terror\\t(.*)$"),
                                                  QRegularExpression::MultilineOption);
        for (auto it = errorLine.globalMatch(output); it.hasNext();)
            written << it.next().captured(1);
        QCOMPARE(written, errors);
        QTEST(scripted.game().scheduler().now() - start, "elapsed");
    }
};

QTEST_MAIN(TestScriptWaits)
#include "test_script_waits.moc"
