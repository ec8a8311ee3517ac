// The commands a record plays back with, beyond those a script writer types: files carried in
// the record, the private folder, a mouse button held on a button, a window's close box and the
// clock catching up after a stall. Each is also a way in for a damaged or hostile record.
#include "ReplayRun.h"

#include "../support/FileBytes.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

namespace {
QString base64(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toBase64());
}

const QString NewCareer = QStringLiteral("input 山田\ninput 東京\nclick frmMain.Command1\n");
} // namespace

class RecordCommandsTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_folder;

private slots:
    void init()
    {
        QVERIFY(m_folder.isValid());
        QDir(m_folder.path()).removeRecursively();
        QDir().mkpath(m_folder.path());
        QDir::setCurrent(m_folder.path());
    }

    // A carried file lands beside the game as a plain name, and never over a different file of
    // someone's outside a private folder.
    void fileWritesOnlyWhereItMay_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QByteArray>("before");  // the file a.sav before, empty for none
        QTest::addColumn<QByteArray>("after");   // a.sav after
        QTest::addColumn<bool>("error");
        const QByteArray career = "career bytes\r\n";
        QTest::newRow("a new file") << "file a.sav " + base64(career) << QByteArray() << career << false;
        QTest::newRow("the same file again") << "file a.sav " + base64(career) << career << career << false;
        QTest::newRow("another's file of that name")
            << "file a.sav " + base64(career) << QByteArray("mine") << QByteArray("mine") << true;
        QTest::newRow("into a private folder, over nothing of anyone's")
            << "privatefolder\nfile a.sav " + base64(career) << QByteArray("mine") << QByteArray("mine") << false;
        QTest::newRow("a path") << "file ../a.sav " + base64(career) << QByteArray() << QByteArray() << true;
        QTest::newRow("a hidden name") << "file .a.sav " + base64(career) << QByteArray() << QByteArray() << true;
        QTest::newRow("not base64") << QStringLiteral("file a.sav ***") << QByteArray() << QByteArray() << true;
        // Inside a private folder every file the session writes stays there, wherever the
        // record sends the dialogs or the file box.
        const QString outside = m_folder.path();
        QTest::newRow("a carried file after the load dialog was sent out")
            << "privatefolder\nclick frmMain.Command2\ncd loadFile " + outside + "\nfile a.sav " +
                   base64(career)
            << QByteArray("mine") << QByteArray("mine") << true;
        QTest::newRow("a save after the save dialog was sent out")
            << "privatefolder\n" + NewCareer + "click MainCommand.cmdSaveAs\ncd saveFile " + outside +
                   "\ntext saveFile.Text1 a\nclick saveFile.Open"
            << QByteArray("mine") << QByteArray("mine") << true;
        QTest::newRow("the load dialog sent to a drive")
            << QStringLiteral("privatefolder\nclick frmMain.Command2\nselect loadFile.Drive1 /")
            << QByteArray("mine") << QByteArray("mine") << true;
        QTest::newRow("the growth picture given a path outside")
            << "privatefolder\n" + NewCareer + "click MainCommand.cmdGrowth\ninput " + outside +
                   "/a.sav\nclick Growth.cmdSavePicture"
            << QByteArray("mine") << QByteArray("mine") << true;
        QTest::newRow("the growth picture given a path up and out")
            << "privatefolder\n" + NewCareer +
                   "click MainCommand.cmdGrowth\ninput ../a.png\nclick Growth.cmdSavePicture"
            << QByteArray() << QByteArray() << true;
        QTest::newRow("the growth picture in the private folder")
            << "privatefolder\n" + NewCareer +
                   "click MainCommand.cmdGrowth\ninput chart.png\nclick Growth.cmdSavePicture"
            << QByteArray() << QByteArray() << false;
    }

    void fileWritesOnlyWhereItMay()
    {
        QFETCH(QString, line);
        QFETCH(QByteArray, before);
        if (!before.isEmpty())
            QVERIFY(put(QStringLiteral("a.sav"), before));
        const ReplayRun run = ReplayRun::of(line);
        QTEST(run.hadErrors, "error");
        QTEST(contents(QDir(m_folder.path()).filePath(QStringLiteral("a.sav"))), "after");
        // Nothing else is written, hidden or not.
        QVERIFY(QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot).size() <= 1);
    }

    // A script whose private folder cannot be made goes no further than that line: what it
    // meant to keep there never reaches the folder it runs in.
    void noPrivateFolderStopsTheScript()
    {
        // A temporary folder that is a file: no folder can be made in it, by root either.
        QTemporaryFile notAFolder;
        QVERIFY(notAFolder.open());
        const QByteArray tmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(notAFolder.fileName()));
        const ReplayRun run = ReplayRun::of(QStringLiteral("privatefolder\nfile a.sav ") + base64("career"));
        qputenv("TMPDIR", tmp);
        QVERIFY(run.hadErrors);
        QVERIFY2(run.errors().contains(QStringLiteral("line 1: cannot make a private folder")),
                 qPrintable(run.errors()));
        QVERIFY(QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
        QVERIFY(!run.transcript.contains(QStringLiteral("\tstate\t")));
    }

    // Files carried while the load dialog is open are listed in it once, when the record goes on,
    // not once per file: a record of many files took time growing with the square of their number.
    void carriedFilesAreListedOnce()
    {
        QString out;
        QTextStream stream(&out);
        Transcript transcript(stream);
        ScriptedGame scripted(transcript);
        ScriptDriver &driver = scripted.driver();
        driver.run(QStringLiteral("privatefolder\nclick frmMain.Command2"));
        auto *list = scripted.game()
                         .form(QStringLiteral("loadFile"))
                         ->findChild<QListWidget *>(QStringLiteral("File1"));
        QVERIFY(list);
        QSignalSpy listings(list->model(), &QAbstractItemModel::modelReset);
        QString files;
        for (int i = 0; i < 50; ++i)
            files +=
                QStringLiteral("file f%1.sav %2\n").arg(i, 2, 10, QLatin1Char('0')).arg(base64("career"));
        driver.run(files + QStringLiteral("select loadFile.File1 f49.sav"));
        stream.flush();
        QVERIFY2(!transcript.hadErrors(), qPrintable(out));
        QCOMPARE(listings.size(), 1);
        QCOMPARE(list->count(), 50);
    }

    // A record's text reaches the transcript in its error lines and answers; a control character
    // in it would have acted on the terminal showing the transcript (clearing it, retitling it).
    void controlCharactersReachTheTranscriptAsCodes_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("written");
        QTest::newRow("an escape sequence in a line refused")
            << QStringLiteral("click \x1b[2J") << QStringLiteral("\\x1b[2J is not FORM.CONTROL");
        QTest::newRow("a bell and a backspace in an answer")
            << QStringLiteral("input a\x07"
                              "b\x08\nclick frmMain.Command1")
            << QStringLiteral("a\\x07b\\x08");
        QTest::newRow("a delete and a C1 control")
            << QStringLiteral("click x\x7f\u009b") << QStringLiteral("x\\x7f\\x9b");
    }

    void controlCharactersReachTheTranscriptAsCodes()
    {
        QFETCH(QString, line);
        QFETCH(QString, written);
        const ReplayRun run = ReplayRun::of(line);
        QVERIFY2(run.transcript.contains(written), qPrintable(run.transcript));
        for (const QChar c : run.transcript)
            QVERIFY2(c == u'\t' || c == u'\n' ||
                         (c.unicode() >= 0x20 && (c.unicode() < 0x7F || c.unicode() > 0x9F)),
                     qPrintable(QString::number(c.unicode(), 16)));
    }

    // A career saved in a private folder stays there: the working folder is given back and the
    // folder removed when the run ends.
    void privateFolderKeepsTheSessionsFiles()
    {
        const ReplayRun run = ReplayRun::of(QStringLiteral("privatefolder\ninput 山田\ninput 東京\nclick frmMain.Command1\n"
                                                           "click MainCommand.cmdSaveAs\ntext saveFile.Text1 kept\n"
                                                           "click saveFile.Open"));
        QVERIFY2(!run.hadErrors, qPrintable(run.errors()));
        const QString saved = run.finalState().section(QStringLiteral("\"varFileName\":\""), 1).section(QLatin1Char('"'), 0, 0);
        QVERIFY(saved.endsWith(QStringLiteral("/kept.sav")));
        QVERIFY(!saved.startsWith(m_folder.path()));
        QVERIFY(!QFileInfo::exists(saved));
        QCOMPARE(QDir::currentPath(), QDir(m_folder.path()).canonicalPath());
        QVERIFY(QDir(m_folder.path()).entryList(QDir::Files).isEmpty());
    }

    // A button pressed and let go over it is clicked; let go away from it, it is not.
    void releaseAwayIsNoClick_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("clicked");
        QTest::newRow("over it") << "press frmMain.Command1\nrelease frmMain.Command1" << true;
        QTest::newRow("away from it") << "press frmMain.Command1\nrelease frmMain.Command1 away" << false;
        QTest::newRow("never pressed") << "release frmMain.Command1" << false;
    }

    void releaseAwayIsNoClick()
    {
        QFETCH(QString, script);
        const ReplayRun run = ReplayRun::of(QStringLiteral("input 山田\ninput 東京\n") + script);
        QVERIFY2(!run.hadErrors, qPrintable(run.errors()));
        QTEST(run.transcript.contains(QStringLiteral("\tshow\tMainCommand")), "clicked");
    }

    // The close box of a window does what the window does on it: the load dialog's is a Cancel.
    void closeBoxIsTheWindowsOwn()
    {
        const ReplayRun closed = ReplayRun::of(QStringLiteral("click frmMain.Command2\nclose loadFile"));
        const ReplayRun cancelled = ReplayRun::of(QStringLiteral("click frmMain.Command2\nclick loadFile.Cancel"));
        QVERIFY2(!closed.hadErrors, qPrintable(closed.errors()));
        QCOMPARE(closed.events(), cancelled.events());
        QVERIFY(ReplayRun::of(QStringLiteral("close NoSuchScreen")).hadErrors);
    }

    // A catch-up takes the same bounds as a wait.
    void catchUpTakesAWaitsBounds_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("error");
        QTest::newRow("a second") << "catchup 1000" << false;
        QTest::newRow("no number") << "catchup soon" << true;
        QTest::newRow("negative") << "catchup -5" << true;
        QTest::newRow("past a day") << "catchup 86400001" << true;
    }

    void catchUpTakesAWaitsBounds()
    {
        QFETCH(QString, line);
        QTEST(ReplayRun::of(line).hadErrors, "error");
    }
};

QTEST_MAIN(RecordCommandsTest)
#include "test_record_commands.moc"
