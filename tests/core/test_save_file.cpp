#include "../support/FileBytes.h"
#include "../support/DiskFailures.h"
#include "NewCareerState.h"
#include "data/GameStateJson.h"
#include "data/Roster.h"
#include "files/core/SaveFile.h"
#include "files/core/SaveFormat.h"
#include "files/core/SaveWriter.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(SaveFileLoad)

namespace {
// Permissions hold nobody back who runs as the superuser.
bool permissionsApply(const QString &directory)
{
    QFile probe(QDir(directory).filePath(QStringLiteral("probe")));
    const bool opened = probe.open(QIODevice::WriteOnly);
    probe.remove();
    return !opened;
}
} // namespace

// The file layer around the codec: atomic writes that never destroy an old save, and
// reads that refuse what cannot be a save file before reading it.
class SaveFileTest : public QObject
{
    Q_OBJECT
private slots:
    void writesAndLoadsBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("career.sav"));
        GameState saved = newCareer();
        saved.varNowDate = 42;
        QCOMPARE(writeSaveFile(path, saved), SaveFileWrite::Written);
        QCOMPARE(saved.varCheckSum, 23585);

        GameState loaded;
        QCOMPARE(loadSaveFile(path, loaded), SaveFileLoad::Loaded);
        QCOMPARE(loaded.varNowDate, Cell(42));
        QCOMPARE(loaded.Chara(1, 0), Cell(QStringLiteral("山田")));
    }

    void replacesAnExistingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("career.sav"));
        QVERIFY(put(path, "an older save"));
        GameState state = newCareer();
        QCOMPARE(writeSaveFile(path, state), SaveFileWrite::Written);
        QVERIFY(contents(path).endsWith(" 23585 \r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("career.sav")});
    }

    // A failed write leaves whatever stood at the path as it was.
    void failedWritesKeepTheOldFile_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("path is a directory") << "directory";
        QTest::newRow("directory missing") << "missing";
        QTest::newRow("name cannot be written") << "text";
        QTest::newRow("directory not writable") << "readonly";
    }
    void failedWritesKeepTheOldFile()
    {
        QFETCH(QString, failure);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("career.sav"));
        GameState state = newCareer();
        state.varCheckSum = 99;
        SaveFileWrite expected = SaveFileWrite::CannotWrite;
        if (failure == QLatin1String("directory")) {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("career.sav")));
        } else if (failure == QLatin1String("missing")) {
            path = dir.filePath(QStringLiteral("nowhere/career.sav"));
        } else {
            QVERIFY(put(path, "the previous save"));
            if (failure == QLatin1String("text")) {
                state.Chara(1, 0) = QStringLiteral("山\U0001F600");
                expected = SaveFileWrite::UnwritableText;
            } else {
                QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
                if (!permissionsApply(dir.path())) {
                    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                    QSKIP("permissions do not hold for this user");
                }
            }
        }

        QCOMPARE(writeSaveFile(path, state), expected);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(state.varCheckSum, 99);
        if (failure == QLatin1String("directory"))
            QVERIFY(QFileInfo(path).isDir());
        else if (failure == QLatin1String("missing"))
            QVERIFY(!QFileInfo::exists(path));
        else
            QCOMPARE(contents(path), QByteArray("the previous save"));
        // No temporary file is left behind either.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(),
                 failure == QLatin1String("text") || failure == QLatin1String("readonly") ? 1 : 0);
    }

    // A disk that gives out under the write: a file size limit met before the first byte, inside
    // the first write and at the very last byte, and a tmpfs that is really full. The write is
    // refused, the old save stays byte for byte, no temporary file is left, the state is unchanged.
    // A limit with room for the whole file shows that the limit is what the failures met.
    void failingDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<bool>("tmpfs");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<bool>("fits");
        GameState career = newCareer();
        const qint64 size = writeSave(career)->size();
        QTest::newRow("file size limit: no byte") << false << qint64(0) << false;
        QTest::newRow("file size limit: one byte") << false << qint64(1) << false;
        QTest::newRow("file size limit: all but the last byte") << false << size - 1 << false;
        QTest::newRow("file size limit: room for the whole file") << false << size << true;
        QTest::newRow("full tmpfs") << true << qint64(0) << false;
    }
    void failingDiskKeepsTheOldFile()
    {
        QFETCH(bool, tmpfs);
        QFETCH(qint64, limit);
        QFETCH(bool, fits);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("career.sav"));
        const QByteArray old = "the previous save";
        if (!tmpfs)
            QVERIFY(put(path, old));
        GameState state = newCareer();
        state.varCheckSum = 99;

        const ChildRun run = runInChild(
            [&] {
                if (!tmpfs)
                    return limitFileSize(rlim_t(limit));
                return mountPrivateTmpfs(dir.path(), 8) && put(path, old) &&
                       fillDisk(dir.filePath(QStringLiteral("filler")));
            },
            [&] {
                const SaveFileWrite result = writeSaveFile(path, state);
                const QStringList entries = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                                       QDir::NoDotAndDotDot);
                const QJsonObject report{{QStringLiteral("result"), int(result)},
                                         {QStringLiteral("checksum"), state.varCheckSum},
                                         {QStringLiteral("file"), QString::fromLatin1(contents(path).toBase64())},
                                         {QStringLiteral("entries"), QJsonArray::fromStringList(entries)}};
                return QJsonDocument(report).toJson(QJsonDocument::Compact);
            });
        if (run.end == ChildRun::End::SetupFailed)
            QSKIP(tmpfs ? "a tmpfs cannot be mounted here (that needs the superuser)" : "the file size limit cannot be set");
        QCOMPARE(run.end, ChildRun::End::Finished);
        const QJsonObject report = QJsonDocument::fromJson(run.output).object();
        const QByteArray file = QByteArray::fromBase64(report.value(QStringLiteral("file")).toString().toLatin1());
        if (fits) {
            QCOMPARE(report.value(QStringLiteral("result")).toInt(), int(SaveFileWrite::Written));
            QCOMPARE(report.value(QStringLiteral("checksum")).toInt(), 23585);
            QVERIFY(file.endsWith(" 23585 \r\n"));
        } else {
            QCOMPARE(report.value(QStringLiteral("result")).toInt(), int(SaveFileWrite::CannotWrite));
            QCOMPARE(report.value(QStringLiteral("checksum")).toInt(), 99);
            QCOMPARE(file, old);
        }
        QStringList expected{QStringLiteral("career.sav")};
        if (tmpfs)
            expected.append(QStringLiteral("filler"));
        QCOMPARE(report.value(QStringLiteral("entries")).toVariant().toStringList(), expected);
    }

    void unusableFilesLeaveTheCareer_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<SaveFileLoad>("result");
        QTest::newRow("no such file") << "missing" << SaveFileLoad::CannotOpen;
        QTest::newRow("a directory") << "directory" << SaveFileLoad::CannotOpen;
        QTest::newRow("unreadable file") << "unreadable" << SaveFileLoad::CannotOpen;
        QTest::newRow("not a save file") << "text" << SaveFileLoad::Rejected;
        QTest::newRow("empty file") << "empty" << SaveFileLoad::Rejected;
        QTest::newRow("huge file") << "huge" << SaveFileLoad::Rejected;
    }
    void unusableFilesLeaveTheCareer()
    {
        QFETCH(QString, kind);
        QFETCH(SaveFileLoad, result);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("career.sav"));
        if (kind == QLatin1String("directory")) {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("career.sav")));
        } else if (kind == QLatin1String("text")) {
            QVERIFY(put(path, "Dear diary,\r\ntoday I trained.\r\n"));
        } else if (kind == QLatin1String("empty")) {
            QVERIFY(put(path, QByteArray()));
        } else if (kind == QLatin1String("huge")) {
            // A sparse gigabyte: refused by its size, so reading it costs nothing.
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(qint64(1) << 30));
        } else if (kind == QLatin1String("unreadable")) {
            GameState saved = newCareer();
            QCOMPARE(writeSaveFile(path, saved), SaveFileWrite::Written);
            QVERIFY(QFile::setPermissions(path, QFile::WriteOwner));
            QFile probe(path);
            if (probe.open(QIODevice::ReadOnly))
                QSKIP("permissions do not hold for this user");
        }

        GameState state = newCareer();
        state.varNowDate = 77;
        state.varFileName = QStringLiteral("/saves/before.sav");
        const QJsonObject before = gameStateToJson(state);
        QCOMPARE(loadSaveFile(path, state), result);
        QCOMPARE(gameStateToJson(state), before);
    }

    // The largest file a save can be is still read; one byte more is refused.
    void sizeBound()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("career.sav"));
        GameState saved = newCareer();
        QCOMPARE(writeSaveFile(path, saved), SaveFileWrite::Written);
        QByteArray bytes = contents(path);
        bytes.append(QByteArray(MaxSaveFileBytes - bytes.size(), '\n'));
        QVERIFY(put(path, bytes));
        GameState loaded;
        QCOMPARE(loadSaveFile(path, loaded), SaveFileLoad::Loaded);
        QVERIFY(put(path, bytes + '\n'));
        QCOMPARE(loadSaveFile(path, loaded), SaveFileLoad::Rejected);
    }
};

QTEST_APPLESS_MAIN(SaveFileTest)
#include "test_save_file.moc"
