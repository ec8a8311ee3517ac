// The player's settings file at start-up: one the game cannot safely read (a pipe, which would
// stop it before its first window, or a file past 1 MiB) is refused with the reason on standard
// error, and the game opens with the default settings, leaving the file as it was.
#include "../support/FileBytes.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TestSettingsFile : public QObject
{
    Q_OBJECT
private slots:
    void anUnsafeSettingsFileIsRefusedAtStart_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a pipe") << "pipe"
                                << "is not a regular file";
        QTest::newRow("larger than 1 MiB") << "large"
                                           << "is larger than 1 MiB";
    }
    void anUnsafeSettingsFileIsRefusedAtStart()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral("config/RingGlory")));
        const QString settings = home.filePath(QStringLiteral("config/RingGlory/RingGlory.conf"));
        const QByteArray large = "[Settings]\nMute=on\n" + QByteArray(1024 * 1024, '#') + '\n';
        if (kind == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(settings).constData(), 0600), 0);
        else
            QVERIFY(put(settings, large));

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        const QString record = home.filePath(QStringLiteral("session.txt"));
        QProcess game;
        game.setProcessEnvironment(environment);
        game.setWorkingDirectory(home.path());
        game.start(QStringLiteral(RINGGLORY_PROGRAM), {QStringLiteral("--record"), record});
        // The record's first lines are written once the game has read its options and built its screens.
        const QDeadlineTimer deadline(60000);
        while (!contents(record).contains("# started") && !deadline.hasExpired() &&
               !game.waitForFinished(50)) {
        }
        const bool started = contents(record).contains("# started");
        const bool running = game.state() == QProcess::Running;
        game.kill();
        game.waitForFinished();
        QVERIFY(started);
        QVERIFY(running);
        const QString err = QString::fromUtf8(game.readAllStandardError());
        const QString refusal =
            QStringLiteral("ringglory: the settings file ") + settings + QLatin1Char(' ') + reason;
        QVERIFY2(err.contains(refusal), qPrintable(err));
        QVERIFY2(err.contains(QStringLiteral("default settings")), qPrintable(err));
        if (kind == QLatin1String("pipe"))
            QVERIFY(QFileInfo(settings).exists() && !QFileInfo(settings).isFile());
        else
            QCOMPARE(contents(settings), large);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settings_file.moc"
