// The program's options as a shell user meets them: help and version answer on standard
// output and exit 0, any mistake is explained on standard error with exit status 2, and none
// of them needs a display or starts the game.
#include "support/ProgramRun.h"

#include <QTest>

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
            << QStringList{"--record"} << 2 << QString() << QStringLiteral("Unknown option 'record'.");
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
        for (const char *option : {"-h, --help", "-v, --version", "--script <FILE>"})
            QVERIFY2(run.out.contains(QLatin1String(option)), option);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
