#include "replay/core/RecordWriter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QTest>

// How a session becomes a script: each input at its game time, the answers of its boxes
// ahead of it, and the record on disk soon enough that a crash loses at most a second.
class RecordWriterTest : public QObject
{
    Q_OBJECT

    static QStringList linesOf(const QBuffer &buffer)
    {
        return QString::fromUtf8(buffer.data()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

private slots:
    // The driver queues a box's answer before the box opens: answers go before the time and the input.
    void answersGoBeforeTheTimeAndTheInput()
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        RecordWriter writer(buffer);
        writer.writeInputs(0, {QStringLiteral("click frmMain.Command1")});
        writer.addAnswer(QStringLiteral("answer yes"));
        writer.addAnswer(QStringLiteral("input 山田"));
        writer.writeInputs(2500, {QStringLiteral("click MainCommand.cmdSyuryo")});
        writer.writeInputs(2500, {QStringLiteral("key Spar F")});
        QCOMPARE(linesOf(buffer), (QStringList{"click frmMain.Command1", "answer yes", "input 山田", "wait 2500",
                                               "click MainCommand.cmdSyuryo", "key Spar F"}));
        QCOMPARE(writer.recordedNow(), 2500);
    }

    // Only the last place of the mouse before a tick matters; a move after a tick, or over
    // another screen, is a place of its own.
    void mouseMovesWithoutATickBetweenKeepTheLast()
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        RecordWriter writer(buffer);
        writer.writeMove(10, 0, QStringLiteral("Spar"), QStringLiteral("move Spar 1 1"));
        writer.writeMove(20, 0, QStringLiteral("Spar"), QStringLiteral("move Spar 2 2"));
        writer.writeMove(130, 1, QStringLiteral("Spar"), QStringLiteral("move Spar 3 3"));
        writer.writeMove(140, 1, QStringLiteral("Other"), QStringLiteral("move Other 4 4"));
        writer.writeInputs(200, {QStringLiteral("key Spar J")});
        QCOMPARE(linesOf(buffer), (QStringList{"wait 20", "move Spar 2 2", "wait 110", "move Spar 3 3", "wait 10",
                                               "move Other 4 4", "wait 60", "key Spar J"}));
    }

    // A catch-up after a stall is one command from where the clock stood: the waits before it
    // and the catch-up add up to the game time.
    void catchUpStartsWhereTheClockStood()
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        RecordWriter writer(buffer);
        writer.addAnswer(QStringLiteral("answer no"));
        writer.writeCatchUp(300, 750);
        writer.writeInputs(800, {QStringLiteral("click Spar.WakeUp")});
        QCOMPARE(linesOf(buffer),
                 (QStringList{"answer no", "wait 300", "catchup 450", "wait 50", "click Spar.WakeUp"}));
    }

    // A record on disk: lines reach the file once a second of game time has passed, and at
    // once when asked (a box opens), never only when the game ends.
    void recordReachesTheDiskEverySecond()
    {
        QTemporaryFile file;
        QVERIFY(file.open());
        RecordWriter writer(file);
        const auto onDisk = [&file] { return QFileInfo(file.fileName()).size(); };
        writer.writeHeader(QStringLiteral("1.0.0"), QDateTime(QDate(2026, 12, 10), QTime(15, 0), Qt::UTC));
        const qint64 header = onDisk();
        QVERIFY(header > 0);
        writer.writeInputs(400, {QStringLiteral("click MainCommand.cmdCommand(3)")});
        writer.advanceTo(900);
        QCOMPARE(onDisk(), header);
        writer.advanceTo(1000);
        QVERIFY(onDisk() > header);
        const qint64 second = onDisk();
        writer.writeInputs(1200, {QStringLiteral("click MainCommand.cmdCommand(3)")});
        writer.flush();
        QVERIFY(onDisk() > second);
    }

    // The header names the game's version and the start time, as comments the driver skips.
    void headerNamesVersionAndStart()
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        RecordWriter writer(buffer);
        writer.writeHeader(QStringLiteral("1.2.3"), QDateTime(QDate(2026, 12, 10), QTime(15, 4, 5), Qt::UTC));
        const QStringList lines = linesOf(buffer);
        QVERIFY(std::all_of(lines.cbegin(), lines.cend(), [](const QString &l) { return l.startsWith('#'); }));
        QVERIFY(lines.contains(QStringLiteral("# ringglory version 1.2.3")));
        QVERIFY(lines.contains(QStringLiteral("# started 2026-12-10T15:04:05Z")));
    }
};

QTEST_GUILESS_MAIN(RecordWriterTest)
#include "test_record_writer.moc"
