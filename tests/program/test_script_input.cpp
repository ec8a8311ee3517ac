// What `ringglory --script` accepts as a script, and `--replay` as a record: a regular file of
// at most 32 MiB. An endless device, a pipe, a folder, a file too large or one that cannot be
// read is refused at once with a reason on standard error and exit status 2, before it can fill
// the memory or hang.
#include "app/ScriptFile.h"
#include "support/ProgramRun.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {
void writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(contents), contents.size());
}

// A script of exactly size bytes that does nothing: one long comment line.
QByteArray commentOfSize(qint64 size)
{
    QByteArray script(qsizetype(size), 'x');
    script.front() = '#';
    script.back() = '\n';
    return script;
}
} // namespace

class TestScriptInput : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_folder.isValid()); }

    void onlyABoundedRegularFileIsAScript_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        const QString notRegular = QStringLiteral("is not a regular file");
        const QString tooLarge = QStringLiteral("is larger than 32 MiB");

        QTest::newRow("an endless device") << QStringLiteral("/dev/zero") << 2 << notRegular;
        QTest::newRow("a device that reads as empty") << QStringLiteral("/dev/null") << 2 << notRegular;
        QTest::newRow("a folder") << m_folder.path() << 2 << notRegular;

        // A pipe nobody writes to: opening it to read would wait for a writer for ever.
        const QString fifo = m_folder.filePath(QStringLiteral("pipe"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QTest::newRow("a pipe") << fifo << 2 << notRegular;

        QTest::newRow("a missing file") << m_folder.filePath(QStringLiteral("missing.script")) << 2
                                        << QStringLiteral("cannot read the script");

        const QString over = m_folder.filePath(QStringLiteral("over.script"));
        writeFile(over, commentOfSize(ScriptFile::MaxBytes + 1));
        QTest::newRow("a byte over the limit") << over << 2 << tooLarge;

        const QString atLimit = m_folder.filePath(QStringLiteral("limit.script"));
        writeFile(atLimit, commentOfSize(ScriptFile::MaxBytes));
        QTest::newRow("exactly at the limit") << atLimit << 0 << QString();

        const QString link = m_folder.filePath(QStringLiteral("link.script"));
        QVERIFY(QFile::link(atLimit, link));
        QTest::newRow("a link to a script") << link << 0 << QString();

        const QString linkToDevice = m_folder.filePath(QStringLiteral("zero.script"));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), linkToDevice));
        QTest::newRow("a link to an endless device") << linkToDevice << 2 << notRegular;
    }

    void onlyABoundedRegularFileIsAScript()
    {
        QFETCH(QString, path);
        QFETCH(QString, err);
        const ProgramRun run = ProgramRun::start({QStringLiteral("--script"), path}, ProgramRun::withoutDisplay(),
                                                 m_folder.path());
        QVERIFY(run.finished);
        QTEST(run.exitCode, "exitCode");
        if (err.isEmpty()) {
            QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
            QVERIFY2(run.out.contains(QLatin1String("\tshow\tfrmMain")), qPrintable(run.out));
        } else {
            QVERIFY2(run.err.startsWith(QStringLiteral("ringglory: ")), qPrintable(run.err));
            QVERIFY2(run.err.contains(err), qPrintable(run.err));
            QVERIFY2(run.err.contains(path), qPrintable(run.err));
            // Refused before the game starts: no transcript at all.
            QVERIFY2(run.out.isEmpty(), qPrintable(run.out));
        }
    }

    // Every way of ending lines is read as lines: a script whose lines end in a CR alone, as old
    // editors write them, ran nothing at all and still reported success.
    void everyLineEndEndsALine_data()
    {
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR LF") << QByteArray("\r\n");
        QTest::newRow("CR") << QByteArray("\r");
    }

    void everyLineEndEndsALine()
    {
        QFETCH(QByteArray, lineEnd);
        const QString path = m_folder.filePath(QStringLiteral("line-ends.script"));
        writeFile(path, QByteArrayList{"input 山田", "input 東京", "click frmMain.Command1", "click nowhere.Command1", ""}
                            .join(lineEnd));
        const ProgramRun run = ProgramRun::start({QStringLiteral("--script"), path}, ProgramRun::withoutDisplay(),
                                                 m_folder.path());
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.contains(QLatin1String("\tshow\tMainCommand")), qPrintable(run.out));
        // The lines are counted as written.
        QVERIFY2(run.out.contains(QLatin1String("\terror\tline 4: ")), qPrintable(run.out));
    }

    // A record that cannot be one is refused as a script is, before any window is opened.
    void replayRefusesWhatScriptRefuses_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("err");
        QTest::newRow("an endless device") << QStringLiteral("/dev/zero") << QStringLiteral("is not a regular file");
        QTest::newRow("a folder") << m_folder.path() << QStringLiteral("is not a regular file");
        QTest::newRow("a missing file") << m_folder.filePath(QStringLiteral("missing.record"))
                                        << QStringLiteral("cannot read the script");
        const QString over = m_folder.filePath(QStringLiteral("over.record"));
        writeFile(over, commentOfSize(ScriptFile::MaxBytes + 1));
        QTest::newRow("a byte over the limit") << over << QStringLiteral("is larger than 32 MiB");
    }

    void replayRefusesWhatScriptRefuses()
    {
        QFETCH(QString, path);
        QFETCH(QString, err);
        const ProgramRun run = ProgramRun::start({QStringLiteral("--replay"), path, QStringLiteral("--speed"),
                                                  QStringLiteral("4")},
                                                 ProgramRun::withoutDisplay(), m_folder.path());
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.startsWith(QStringLiteral("ringglory: ")), qPrintable(run.err));
        QVERIFY2(run.err.contains(err), qPrintable(run.err));
        QVERIFY2(run.out.isEmpty(), qPrintable(run.out));
    }

    void anUnreadableFileIsRefused()
    {
        if (::geteuid() == 0)
            QSKIP("root reads every file");
        const QString path = m_folder.filePath(QStringLiteral("locked.script"));
        writeFile(path, "state\n");
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        const ProgramRun run = ProgramRun::start({QStringLiteral("--script"), path}, ProgramRun::withoutDisplay());
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(QStringLiteral("cannot read the script %1: ").arg(path)), qPrintable(run.err));
    }

private:
    QTemporaryDir m_folder;
};

QTEST_GUILESS_MAIN(TestScriptInput)
#include "test_script_input.moc"
