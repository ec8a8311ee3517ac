// Every session played in the game's windows is recorded in the replays folder: one started
// from the title, and one a replay hands to the player, which starts with the record as far as
// it played, so it plays again from the start.
#include "support/ProgramRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {
// The environment of a windowed game on the offscreen platform whose data folder is folder's.
QProcessEnvironment offscreenIn(const QTemporaryDir &folder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), folder.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), folder.filePath(QStringLiteral("data")));
    return environment;
}

// The one record in the replays folder once it holds its header, or empty after 30 s.
QString waitForTheRecord(const QTemporaryDir &folder)
{
    const QDir replays(folder.filePath(QStringLiteral("data/RingGlory/replays")));
    QString session;
    const bool found = QTest::qWaitFor(
        [&] {
            const QStringList records = replays.entryList(QDir::Files);
            if (records.size() != 1)
                return false;
            QFile file(replays.filePath(records.first()));
            session = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
            return session.contains(QLatin1String("# ringglory version"));
        },
        30000);
    return found ? session : QString();
}
} // namespace

class TestSessionRecords : public QObject
{
    Q_OBJECT
private slots:
    void aSessionFromTheTitleIsRecorded()
    {
        QTemporaryDir work;
        QVERIFY(work.isValid());
        QProcess process;
        process.setProcessEnvironment(offscreenIn(work));
        process.setWorkingDirectory(work.path());
        process.start(QStringLiteral(RINGGLORY_PROGRAM), QStringList());
        QVERIFY(process.waitForStarted());
        const QString session = waitForTheRecord(work);
        process.kill();
        process.waitForFinished();
        QVERIFY(session.startsWith(QLatin1String("# Ring Glory record")));
    }

    void thePlayersSessionIsRecordedFromTheHandover()
    {
        QTemporaryDir work;
        QVERIFY(work.isValid());
        const QString record = work.filePath(QStringLiteral("short.txt"));
        {
            QFile file(record);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("input 山田\ninput 東京\nclick frmMain.Command1\nwait 100\n");
        }
        QProcess process;
        process.setProcessEnvironment(offscreenIn(work));
        process.setWorkingDirectory(work.path());
        process.start(QStringLiteral(RINGGLORY_PROGRAM),
                      {QStringLiteral("--replay"), record, QStringLiteral("--speed"), QStringLiteral("100")});
        QVERIFY(process.waitForStarted());
        // The record plays out and the box that hands the game over waits for the player, with
        // the session's record already on the disk.
        const QString session = waitForTheRecord(work);
        ::kill(pid_t(process.processId()), SIGTERM);
        QVERIFY(process.waitForFinished(30000));
        QVERIFY2(session.startsWith(QStringLiteral(
                     "privatefolder\ninput 山田\ninput 東京\nclick frmMain.Command1\nwait 100\n")),
                 qPrintable(session));

        // The session's record plays headless to where the player took over, without a mistake.
        const QString copy = work.filePath(QStringLiteral("session.txt"));
        {
            QFile file(copy);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(session.toUtf8());
        }
        const ProgramRun again =
            ProgramRun::start({QStringLiteral("--script"), copy}, ProgramRun::withoutDisplay(), work.path());
        QVERIFY(again.finished);
        QCOMPARE(again.exitCode, 0);
        QVERIFY2(again.out.contains(QStringLiteral("\tshow\tMainCommand")), qPrintable(again.out));
    }
};

QTEST_GUILESS_MAIN(TestSessionRecords)
#include "test_session_records.moc"
