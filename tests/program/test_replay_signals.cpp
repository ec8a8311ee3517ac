// A replay stopped from outside, as a terminal's Ctrl+C or a session's end stops it, still ends
// the ordinary way: its private folder is removed and the exit status names the signal.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class TestReplaySignals : public QObject
{
    Q_OBJECT
private slots:
    void aStoppedReplayLeavesNoFolderBehind_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
    }

    void aStoppedReplayLeavesNoFolderBehind()
    {
        QFETCH(int, signalNumber);
        QTemporaryDir work;
        QTemporaryDir temporary;
        QVERIFY(work.isValid() && temporary.isValid());
        const QString record = work.filePath(QStringLiteral("long.txt"));
        {
            QFile file(record);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("input 山田\ninput 東京\nclick frmMain.Command1\nwait 600000\n");
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("TMPDIR"), temporary.path());
        environment.insert(QStringLiteral("HOME"), work.path());
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(work.path());
        process.start(QStringLiteral(RINGGLORY_PROGRAM),
                      {QStringLiteral("--replay"), record, QStringLiteral("--speed"), QStringLiteral("100")});
        QVERIFY(process.waitForStarted());
        const QDir folders(temporary.path());
        // Other programs the game starts (the sound server's client, say) keep folders there too.
        const auto privateFolders = [&] {
            return folders.entryList({QStringLiteral("RingGlory-*")},
                                     QDir::AllEntries | QDir::NoDotAndDotDot);
        };
        // The new career's boxes go by at once; the long wait then holds the replay.
        QVERIFY(QTest::qWaitFor([&] { return !privateFolders().isEmpty(); }, 30000));
        QByteArray transcript;
        QVERIFY(QTest::qWaitFor(
            [&] {
                transcript += process.readAllStandardOutput();
                return transcript.contains("\tshow\tMainCommand");
            },
            30000));
        ::kill(pid_t(process.processId()), signalNumber);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 128 + signalNumber);
        QCOMPARE(privateFolders(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestReplaySignals)
#include "test_replay_signals.moc"
