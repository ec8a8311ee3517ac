#include "replay/core/RecordWriter.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QTest>

#include <algorithm>
#include <limits>

// How a session becomes a script: each input at its game time, the answers of its boxes
// ahead of it, and the record on disk soon enough that a crash loses at most a second.
namespace {
// A disk that fills up: it takes bytes up to its room, then refuses them until room is made.
class FillingDisk : public QIODevice
{
public:
    explicit FillingDisk(qint64 room) : m_room(room) { open(QIODevice::WriteOnly); }
    void makeRoom() { m_room = std::numeric_limits<qint64>::max(); }
    QByteArray bytes;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        const qint64 taken = std::min(size, m_room - bytes.size());
        if (taken <= 0) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        bytes.append(data, taken);
        return taken;
    }

private:
    qint64 m_room;
};

// Writes the same few seconds of a session to any device.
void writeSession(RecordWriter &writer, int inputs)
{
    for (int i = 0; i < inputs; ++i) {
        writer.addAnswer(QStringLiteral("input 名前%1").arg(i));
        writer.writeInputs(700 * i, {QStringLiteral("click MainCommand.cmdCommand(3)")});
    }
}
} // namespace

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

    // A full disk cuts no line short for good: what it refused is kept, said once, and written
    // in order once there is room again.
    void aFullDiskLosesNothingOnceThereIsRoom()
    {
        QBuffer whole;
        whole.open(QIODevice::WriteOnly);
        RecordWriter reference(whole);
        writeSession(reference, 40);

        FillingDisk disk(100);
        RecordWriter writer(disk);
        QList<RecordWriter::Problem> told;
        writer.setProblemListener([&told](RecordWriter::Problem problem, const QString &) { told.append(problem); });
        writeSession(writer, 20);
        QVERIFY(!writer.flush());
        QCOMPARE(told, QList<RecordWriter::Problem>{RecordWriter::Problem::CannotWrite});
        QVERIFY(writer.unwritten() > 0);
        QCOMPARE(disk.bytes, whole.data().left(100));
        disk.makeRoom();
        for (int i = 20; i < 40; ++i) {
            writer.addAnswer(QStringLiteral("input 名前%1").arg(i));
            writer.writeInputs(700 * i, {QStringLiteral("click MainCommand.cmdCommand(3)")});
        }
        QVERIFY(writer.flush());
        QCOMPARE(writer.unwritten(), 0);
        QCOMPARE(disk.bytes, whole.data());
        QCOMPARE(told.size(), 1);
    }

    // A device that is always full, as /dev/full: the writer says so and keeps the lines.
    void aDeviceThatIsAlwaysFullIsToldOf()
    {
        QFile full(QStringLiteral("/dev/full"));
        if (!full.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            QSKIP("no /dev/full here");
        RecordWriter writer(full);
        QString why;
        writer.setProblemListener([&why](RecordWriter::Problem, const QString &what) { why = what; });
        writer.writeHeader(QStringLiteral("1.0.0"), QDateTime(QDate(2026, 12, 10), QTime(15, 0), Qt::UTC));
        QVERIFY(!writer.flush());
        QVERIFY(!why.isEmpty());
        QCOMPARE(writer.unwritten(), writer.size());
    }

    // A record never grows past what a replay reads: it ends with a line that says it stops there.
    void aRecordStopsAtTheSizeAReplayReads()
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        RecordWriter writer(buffer, 0, 400);
        int toldFull = 0;
        writer.setProblemListener([&toldFull](RecordWriter::Problem problem, const QString &) {
            toldFull += problem == RecordWriter::Problem::Full ? 1 : 0;
        });
        writeSession(writer, 100);
        QVERIFY(buffer.data().size() <= 400);
        QVERIFY(buffer.data().size() > 300);
        QVERIFY(buffer.data().endsWith("# the record stops here: it has reached the most a replay reads\n"));
        QCOMPARE(toldFull, 1);
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
