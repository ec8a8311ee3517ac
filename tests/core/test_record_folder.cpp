#include "replay/core/RecordFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {
void touch(const QString &path, const QDateTime &modified = {})
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write("wait 1000\n");
    if (modified.isValid())
        QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
}

QStringList filesIn(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

// Records from oldest to newest start time, by their names alone.
QStringList recordsOldestFirst()
{
    QStringList names = {
        QStringLiteral("2025-12-31_23-59-59.txt"),  QStringLiteral("2026-01-01_00-00-00.txt"),
        QStringLiteral("2026-01-01_00-00-00-2.txt"), QStringLiteral("2026-01-01_00-00-00-3.txt"),
        QStringLiteral("2026-01-01_00-00-00-9.txt"), QStringLiteral("2026-01-01_00-00-00-10.txt"),
        QStringLiteral("2026-01-01_00-00-01.txt"),
    };
    for (int day = 1; names.size() < 25; ++day)
        names.append(QStringLiteral("2026-12-%1_08-30-00.txt").arg(day, 2, 10, QLatin1Char('0')));
    return names;
}

// Files in the folder that only look like records, or are not records at all.
const QStringList Strangers = {
    QStringLiteral("notes.txt"),
    QStringLiteral("2020-01-01_00-00-00.txt.bak"),
    QStringLiteral("2020-01-01_00-00-00.log"),
    QStringLiteral("2020-13-40_00-00-00.txt"),
    QStringLiteral("2020-01-01_25-00-00.txt"),
    QStringLiteral("2020-01-01_00-00-00-1.txt"),
    QStringLiteral("2020-01-01_00-00-00-02.txt"),
    QStringLiteral("2020-01-01_00-00-00-x.txt"),
    QStringLiteral("x2020-01-01_00-00-00.txt"),
};
} // namespace

class RecordFolderTest : public QObject
{
    Q_OBJECT
private slots:
    // The folder is made on the way, however deep, and a record is named for the local start
    // time with every field two digits wide, so that names sort as times do.
    void newRecordIsNamedForItsLocalStartTime_data()
    {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QString>("name");
        QTest::newRow("afternoon") << QDateTime(QDate(2026, 12, 10), QTime(15, 49, 58))
                                   << QStringLiteral("2026-12-10_15-49-58.txt");
        QTest::newRow("single digits") << QDateTime(QDate(2027, 1, 2), QTime(3, 4, 5))
                                       << QStringLiteral("2027-01-02_03-04-05.txt");
        QTest::newRow("midnight") << QDateTime(QDate(2026, 12, 31), QTime(0, 0, 0))
                                  << QStringLiteral("2026-12-31_00-00-00.txt");
    }
    void newRecordIsNamedForItsLocalStartTime()
    {
        QFETCH(QDateTime, start);
        QFETCH(QString, name);
        QTemporaryDir home;
        const QString folder = home.filePath(QStringLiteral("data/RingGlory/replays"));
        const QString path = RecordFolder::newRecordPath(folder, start);
        QCOMPARE(path, QDir(folder).filePath(name));
        QVERIFY(QFileInfo(path).isFile());
        QCOMPARE(QFileInfo(path).size(), 0);
    }

    // Sessions started in the same second each get a file of their own, and a name that is
    // taken by anything (a folder too) is passed over.
    void sessionsStartedInTheSameSecondNeverShareAFile()
    {
        QTemporaryDir folder;
        const QDateTime start(QDate(2026, 12, 10), QTime(15, 49, 58));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("2026-12-10_15-49-58-3.txt")));
        const QString first = RecordFolder::newRecordPath(folder.path(), start);
        touch(first);
        const QString second = RecordFolder::newRecordPath(folder.path(), start);
        const QString third = RecordFolder::newRecordPath(folder.path(), start);
        QCOMPARE(QFileInfo(first).fileName(), QStringLiteral("2026-12-10_15-49-58.txt"));
        QCOMPARE(QFileInfo(second).fileName(), QStringLiteral("2026-12-10_15-49-58-2.txt"));
        QCOMPARE(QFileInfo(third).fileName(), QStringLiteral("2026-12-10_15-49-58-4.txt"));
        // The first session's record is not emptied by the ones after it.
        QCOMPARE(QFileInfo(first).size(), qint64(10));
        // The next second starts again without a counter.
        QCOMPARE(QFileInfo(RecordFolder::newRecordPath(folder.path(), start.addSecs(1))).fileName(),
                 QStringLiteral("2026-12-10_15-49-59.txt"));
    }

    void noRecordWhereTheFolderCannotBeMade_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("valid");
        QTest::newRow("below a file") << QStringLiteral("file/replays") << true;
        QTest::newRow("the folder is a file") << QStringLiteral("file") << true;
        QTest::newRow("no folder at all") << QString() << true;
        QTest::newRow("no start time") << QStringLiteral("replays") << false;
    }
    void noRecordWhereTheFolderCannotBeMade()
    {
        QFETCH(QString, folder);
        QFETCH(bool, valid);
        QTemporaryDir home;
        const QDir dir(home.path());
        touch(dir.filePath(QStringLiteral("file")));
        const QDateTime start = valid ? QDateTime(QDate(2026, 12, 10), QTime(15, 49, 58)) : QDateTime();
        QCOMPARE(RecordFolder::newRecordPath(folder.isEmpty() ? folder : dir.filePath(folder), start), QString());
        // Nothing is left behind: no stray record beside the file, no half-made folder.
        QCOMPARE(filesIn(home.path()), QStringList{QStringLiteral("file")});
    }

    // The newest records stay by the times in their names, whatever their files' dates say, and
    // a counter of 10 comes after 9; files that are no record's are left alone whatever is kept.
    void pruneKeepsTheNewestRecordsAndNothingElseIsTouched_data()
    {
        QTest::addColumn<std::optional<int>>("keep"); // none: the default
        QTest::addColumn<QStringList>("kept");
        const QStringList records = recordsOldestFirst();
        QTest::newRow("default") << std::optional<int>() << records.mid(records.size() - RecordFolder::Kept);
        QTest::newRow("three") << std::optional<int>(3) << records.mid(records.size() - 3);
        QTest::newRow("none") << std::optional<int>(0) << QStringList();
        QTest::newRow("below none") << std::optional<int>(-5) << QStringList();
        QTest::newRow("exactly all") << std::optional<int>(25) << records;
        QTest::newRow("more than there are") << std::optional<int>(40) << records;
    }
    void pruneKeepsTheNewestRecordsAndNothingElseIsTouched()
    {
        QFETCH(std::optional<int>, keep);
        QFETCH(QStringList, kept);
        QTemporaryDir folder;
        const QDir dir(folder.path());
        const QStringList records = recordsOldestFirst();
        // Written newest first and dated backwards, so neither the order of writing nor the
        // files' own dates give the right answer.
        const QDateTime lastWeek = QDateTime::currentDateTime().addDays(-7);
        for (qsizetype i = records.size() - 1; i >= 0; --i)
            touch(dir.filePath(records.at(i)), lastWeek.addSecs(-60 * i));
        for (const QString &stranger : Strangers)
            touch(dir.filePath(stranger));
        QVERIFY(dir.mkdir(QStringLiteral("2000-01-01_00-00-00.txt")));

        if (keep)
            RecordFolder::prune(folder.path(), *keep);
        else
            RecordFolder::prune(folder.path());

        QStringList expected = kept + Strangers;
        expected.append(QStringLiteral("2000-01-01_00-00-00.txt"));
        expected.sort();
        QCOMPARE(filesIn(folder.path()), expected);
    }

    // A session still being recorded keeps its record however many start after it; once it has
    // ended, its record goes the way of the oldest.
    void pruneLeavesARecordThatIsStillOpen()
    {
        QTemporaryDir folder;
        const QDateTime start(QDate(2026, 12, 10), QTime(15, 0));
        QFile running(RecordFolder::newRecordPath(folder.path(), start));
        QVERIFY(running.open(QIODevice::WriteOnly));
        QVERIFY(RecordFolder::holdOpen(running));
        for (int later = 1; later <= RecordFolder::Kept + 1; ++later) {
            QFile session(RecordFolder::newRecordPath(folder.path(), start.addSecs(later)));
            QVERIFY(session.open(QIODevice::WriteOnly));
            QVERIFY(RecordFolder::holdOpen(session));
            RecordFolder::prune(folder.path());
        }
        QVERIFY(QFileInfo::exists(running.fileName()));
        QCOMPARE(filesIn(folder.path()).size(), RecordFolder::Kept + 1);
        running.close();
        RecordFolder::prune(folder.path());
        QVERIFY(!QFileInfo::exists(running.fileName()));
        QCOMPARE(filesIn(folder.path()).size(), RecordFolder::Kept);
    }

    void pruneOfAFolderThatIsNotThereDoesNothing()
    {
        QTemporaryDir home;
        RecordFolder::prune(home.filePath(QStringLiteral("replays")));
        RecordFolder::prune(QString());
        QVERIFY(!QFileInfo::exists(home.filePath(QStringLiteral("replays"))));
    }
};

QTEST_GUILESS_MAIN(RecordFolderTest)
#include "test_record_folder.moc"
