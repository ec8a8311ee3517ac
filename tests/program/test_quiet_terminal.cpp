// The terminal stays quiet in normal use: Qt's notices that nobody can act on (no window
// manager offscreen, no sound server, no desktop session's run-time folder) are dropped,
// and every other message still reaches the terminal.
#include "app/QuietTerminal.h"
#include "support/ProgramRun.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
QStringList g_received;

void receive(QtMsgType, const QMessageLogContext &, const QString &message)
{
    g_received << message;
}
} // namespace

class TestQuietTerminal : public QObject
{
    Q_OBJECT
private slots:
    // The fight screen's fixed-size windows made the offscreen platform complain twice, and a
    // root shell has no run-time folder: the scenario still writes nothing on standard error.
    void aScriptedBoutWritesNothingOnStandardError()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QProcessEnvironment environment = ProgramRun::withoutDisplay();
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        const ProgramRun run = ProgramRun::start(
            {QStringLiteral("--script"), QStringLiteral(RINGGLORY_SCENARIOS_DIR "/spar_sparring_session.script")},
            environment, folder.path());
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(QLatin1String("\tshow\tSpar")));
        QCOMPARE(run.err, QString());
    }

    void onlyKnownNoticesAreDropped_data()
    {
        QTest::addColumn<QtMsgType>("type");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("shown");
        const QString sizeHints = QStringLiteral("This plugin does not support propagateSizeHints()");
        const QString noServer = QStringLiteral("PulseAudioService: pa_context_connect() failed");
        const QString runtime =
            QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-player'");
        QTest::newRow("size hints offscreen") << QtWarningMsg << sizeHints << false;
        QTest::newRow("no sound server") << QtWarningMsg << noServer << false;
        QTest::newRow("no run-time folder") << QtWarningMsg << runtime << false;
        QTest::newRow("the same words as a critical error") << QtCriticalMsg << noServer << true;
        QTest::newRow("another sound failure")
            << QtWarningMsg << QStringLiteral("PulseAudioService: Connection failure: Access denied") << true;
        QTest::newRow("a bad run-time folder")
            << QtWarningMsg
            << QStringLiteral("QStandardPaths: wrong permissions on runtime directory /tmp/r, 0777 instead of 0700")
            << true;
        QTest::newRow("a notice that only starts the same")
            << QtWarningMsg << sizeHints + QStringLiteral(" and something else") << true;
        QTest::newRow("a warning of the game's own") << QtWarningMsg << QStringLiteral("cannot open 2.gif") << true;
    }

    void onlyKnownNoticesAreDropped()
    {
        QFETCH(QtMsgType, type);
        QFETCH(QString, message);
        QFETCH(bool, shown);
        g_received.clear();
        const QtMessageHandler before = qInstallMessageHandler(receive);
        QuietTerminal::install();
        if (type == QtWarningMsg)
            qWarning("%s", qPrintable(message));
        else
            qCritical("%s", qPrintable(message));
        qInstallMessageHandler(before);
        QCOMPARE(g_received, shown ? QStringList{message} : QStringList());
    }
};

QTEST_GUILESS_MAIN(TestQuietTerminal)
#include "test_quiet_terminal.moc"
