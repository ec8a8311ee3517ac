// The program's options as a shell user meets them: help and version answer on standard
// output and exit 0, any mistake is explained on standard error with exit status 2, and none
// of them needs a display or starts the game.
#include "support/ProgramRun.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <utility>

class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void optionsAnswerWithoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString usage = QStringLiteral("Usage: ringglory [options]");
        const QString version = QStringLiteral("ringglory " RINGGLORY_VERSION "\n");
        QTest::newRow("--help") << QStringList{"--help"} << 0 << usage << QString();
        QTest::newRow("-h") << QStringList{"-h"} << 0 << usage << QString();
        QTest::newRow("--version") << QStringList{"--version"} << 0 << version << QString();
        QTest::newRow("-v") << QStringList{"-v"} << 0 << version << QString();
        QTest::newRow("an unknown long option")
            << QStringList{"--recording"} << 2 << QString() << QStringLiteral("Unknown option 'recording'.");
        QTest::newRow("an unknown short option")
            << QStringList{"-x"} << 2 << QString() << QStringLiteral("Unknown option 'x'.");
        QTest::newRow("an unknown option beside help")
            << QStringList{"--help", "--bogus"} << 2 << QString() << QStringLiteral("Unknown option 'bogus'.");
        QTest::newRow("--script without a path")
            << QStringList{"--script"} << 2 << QString() << QStringLiteral("Missing value after '--script'.");
        QTest::newRow("a stray argument")
            << QStringList{"career.sav"} << 2 << QString() << QStringLiteral("Unexpected argument 'career.sav'.");
        QTest::newRow("a stray argument after a script")
            << QStringList{"--script", "a.script", "b.script"} << 2 << QString()
            << QStringLiteral("Unexpected argument 'b.script'.");
        QTest::newRow("a stray argument beside version")
            << QStringList{"-v", "now"} << 2 << QString() << QStringLiteral("Unexpected argument 'now'.");
        // The replay's options, refused before any window opens when they cannot go together or
        // hold no sensible value.
        QTest::newRow("--record without a path")
            << QStringList{"--record"} << 2 << QString() << QStringLiteral("Missing value after '--record'.");
        QTest::newRow("--replay beside --script")
            << QStringList{"--replay", "a.txt", "--script", "b.txt"} << 2 << QString()
            << QStringLiteral("--script and --replay cannot go together.");
        QTest::newRow("--record beside --replay")
            << QStringList{"--replay", "a.txt", "--record", "b.txt"} << 2 << QString()
            << QStringLiteral("--record cannot go with --replay.");
        QTest::newRow("--speed without --replay")
            << QStringList{"--speed", "2"} << 2 << QString() << QStringLiteral("--speed and --from-bout go with --replay.");
        QTest::newRow("--from-bout with a script")
            << QStringList{"--script", "a.txt", "--from-bout", "2"} << 2 << QString()
            << QStringLiteral("--speed and --from-bout go with --replay.");
        QTest::newRow("a speed of 0") << QStringList{"--replay", "a.txt", "--speed", "0"} << 2 << QString()
                                      << QStringLiteral("--speed needs a number from 0.01 to 1000, not '0'.");
        QTest::newRow("a speed that is no number")
            << QStringList{"--replay", "a.txt", "--speed", "fast"} << 2 << QString()
            << QStringLiteral("--speed needs a number from 0.01 to 1000, not 'fast'.");
        QTest::newRow("a speed past the fastest")
            << QStringList{"--replay", "a.txt", "--speed", "1e9"} << 2 << QString()
            << QStringLiteral("--speed needs a number from 0.01 to 1000, not '1e9'.");
        QTest::newRow("a speed too slow to hold a box")
            << QStringList{"--replay", "a.txt", "--speed", "1e-300"} << 2 << QString()
            << QStringLiteral("--speed needs a number from 0.01 to 1000, not '1e-300'.");
        QTest::newRow("a speed just under the slowest")
            << QStringList{"--replay", "a.txt", "--speed", "0.0099"} << 2 << QString()
            << QStringLiteral("--speed needs a number from 0.01 to 1000, not '0.0099'.");
        QTest::newRow("bout 0") << QStringList{"--replay", "a.txt", "--from-bout", "0"} << 2 << QString()
                                << QStringLiteral("--from-bout needs a bout number from 1, not '0'.");
        QTest::newRow("a bout that is no number")
            << QStringList{"--replay", "a.txt", "--from-bout", "2.5"} << 2 << QString()
            << QStringLiteral("--from-bout needs a bout number from 1, not '2.5'.");
        QTest::newRow("a record that cannot be written")
            << QStringList{"--record", "/nonexistent-folder/r.txt", "--script", RINGGLORY_SCENARIOS_DIR "/new_career.script"}
            << 2 << QString() << QStringLiteral("cannot record to /nonexistent-folder/r.txt");
        // The game's windows need a display: without one the program says so rather than abort.
        const QString noDisplay = QStringLiteral("ringglory: no display to open the game's windows on");
        QTest::newRow("a replay without a display")
            << QStringList{"--replay", RINGGLORY_SCENARIOS_DIR "/new_career.script"} << 2 << QString()
            << noDisplay;
        QTest::newRow("a replay slowed down without a display")
            << QStringList{"--replay", RINGGLORY_SCENARIOS_DIR "/new_career.script", "--speed", "0.5"} << 2
            << QString() << noDisplay;
        // A record never replaces a file (see aRecordNeverReplacesAFile), a device's either.
        QTest::newRow("a record over a device")
            << QStringList{"--record", "/dev/null", "--script", RINGGLORY_SCENARIOS_DIR "/new_career.script"}
            << 2 << QString()
            << QStringLiteral("cannot record to /dev/null: a file of that name is already there");
    }

    void optionsAnswerWithoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const ProgramRun run = ProgramRun::start(arguments, ProgramRun::withoutDisplay());
        QVERIFY(run.finished);
        QTEST(run.exitCode, "exitCode");
        QVERIFY2(out.isEmpty() ? run.out.isEmpty() : run.out.contains(out), qPrintable(run.out));
        QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.contains(err), qPrintable(run.err));
    }

    // A record never replaces a file: not one of the player's, not the script it records.
    void aRecordNeverReplacesAFile_data()
    {
        QTest::addColumn<bool>("overTheScript");
        QTest::newRow("the script itself") << true;
        QTest::newRow("another file") << false;
    }

    void aRecordNeverReplacesAFile()
    {
        QFETCH(bool, overTheScript);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString script = folder.filePath(QStringLiteral("s.script"));
        const QString other = folder.filePath(QStringLiteral("career.sav"));
        const QByteArray scriptText = "input 山田\ninput 東京\nclick frmMain.Command1\n";
        for (const auto &[path, bytes] :
             {std::pair{script, scriptText}, std::pair{other, QByteArray("mine")}}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        const QString record = overTheScript ? script : other;
        const ProgramRun run =
            ProgramRun::start({QStringLiteral("--script"), script, QStringLiteral("--record"), record},
                              ProgramRun::withoutDisplay(), folder.path());
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(
                     QStringLiteral("cannot record to %1: a file of that name is already there").arg(record)),
                 qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QFile kept(record);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), overTheScript ? scriptText : QByteArray("mine"));
    }

    // The version line is all that --version prints, for scripts that read it.
    void versionIsOneLine()
    {
        const ProgramRun run = ProgramRun::start({QStringLiteral("--version")}, ProgramRun::withoutDisplay());
        QCOMPARE(run.out, QStringLiteral("ringglory " RINGGLORY_VERSION "\n"));
    }

    // The help names every option the program takes.
    void helpListsTheOptions()
    {
        const ProgramRun run = ProgramRun::start({QStringLiteral("--help")}, ProgramRun::withoutDisplay());
        for (const char *option : {"-h, --help", "-v, --version", "--script <FILE>", "--record <FILE>",
                                   "--replay <FILE>", "--speed <N>", "--from-bout <K>"})
            QVERIFY2(run.out.contains(QLatin1String(option)), option);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
