#include "../support/FileBytes.h"
#include "../support/DiskFailures.h"
#include "support/Careers.h"

#include "data/GameStateJson.h"
#include "files/core/SaveFile.h"
#include "files/loadFile.h"
#include "files/saveFile.h"
#include "hub/MainCommand.h"
#include "platform/GameLabel.h"
#include "title/frmMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <tuple>

namespace {
const QString Rejected = QStringLiteral("このセーブデータは「Ring Glory」のセーブデータではありません。\r\n"
                                        "「Ring Glory」で作成したセーブデータをご使用下さい。");

template <typename T> T *control(QWidget *form, const char *name)
{
    T *found = form->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

void click(QWidget *form, const char *name)
{
    control<QAbstractButton>(form, name)->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString labelText(QWidget *form, const char *name)
{
    return control<QLabel>(form, name)->text();
}

// Everything in the directory, hidden files included.
QStringList entries(const QString &directory)
{
    return QDir(directory).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

QByteArray goldenNewCareer()
{
    return contents(QFINDTESTDATA("../scenarios/saves/new_career.sav"));
}

QByteArray badChecksum()
{
    return goldenNewCareer().replace(" 23585 \r\n", " 23586 \r\n");
}

// A career on the hub with a temporary directory for its saves.
struct Career
{
    Career()
    {
        startCareer(fixture);
        QVERIFY(directory.isValid());
    }

    MainCommand &hub() { return fixture.game->hub(); }
    saveFile &saveDialog() { return fixture.game->saveDialog(); }
    loadFile &loadDialog() { return fixture.game->loadDialog(); }
    QStringList messages() const { return fixture.prompter->messageTexts(); }
    QString path(const QString &name) const { return QDir::toNativeSeparators(directory.filePath(name)); }

    // Saves through the hub's 新規セーブ into the temporary directory under the name typed.
    void saveAs(const QString &name)
    {
        click(&hub(), "cmdSaveAs");
        QVERIFY(saveDialog().changeDirectory(directory.path()));
        control<QLineEdit>(&saveDialog(), "Text1")->setText(name);
        click(&saveDialog(), "Open");
    }

    // Opens the load dialog from the hub on the temporary directory and chooses the file.
    void chooseFile(const QString &name)
    {
        click(&hub(), "cmdLoad");
        QVERIFY(loadDialog().changeDirectory(directory.path()));
        auto *files = control<QListWidget>(&loadDialog(), "File1");
        const QList<QListWidgetItem *> found = files->findItems(name, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(name));
        files->setCurrentItem(found.first());
    }

    GameFixture fixture;
    QTemporaryDir directory;
};
} // namespace

// The save and load dialogs as the player meets them from the hub and the title screen.
class SaveLoadTest : public QObject
{
    Q_OBJECT
private slots:
    // At every window scale, reached at start or later, the instruction keeps its phrases
    // whole (「保存」 on one line) and the folder list's text and indent grow with the rest.
    void theDialogsFollowTheScale_data()
    {
        QTest::addColumn<GameOptions::Scale>("scale");
        QTest::addColumn<double>("times");
        QTest::addColumn<bool>("builtLarge");
        for (const auto &[name, scale, times] : {std::tuple{"150", GameOptions::Scale::Percent150, 1.5},
                                                 std::tuple{"200", GameOptions::Scale::Percent200, 2.0},
                                                 std::tuple{"300", GameOptions::Scale::Percent300, 3.0}}) {
            QTest::addRow("built at %s", name) << scale << times << true;
            QTest::addRow("grown to %s", name) << scale << times << false;
        }
    }
    void theDialogsFollowTheScale()
    {
        QFETCH(GameOptions::Scale, scale);
        QFETCH(double, times);
        QFETCH(bool, builtLarge);
        GameFixture own;
        const double ownTree =
            own.game->saveDialog().findChild<QWidget *>(QStringLiteral("Dir1"))->font().pointSizeF();
        GameFixture fixture;
        GameOptions options;
        options.scale = scale;
        if (builtLarge)
            fixture.game->setOptions(options);
        QList<QWidget *> dialogs{&fixture.game->saveDialog(), &fixture.game->loadDialog()};
        if (!builtLarge)
            fixture.game->setOptions(options);
        for (QWidget *dialog : dialogs) {
            auto *instruction = dialog->findChild<GameLabel *>(QStringLiteral("Label2"));
            bool split = false;
            GameLabel::lines(instruction->text(), instruction->font(), instruction->width(), true, &split);
            QVERIFY2(!split && instruction->fits(instruction->font()), qPrintable(dialog->objectName()));
            auto *tree = dialog->findChild<QTreeWidget *>(QStringLiteral("Dir1"));
            QCOMPARE(tree->font().pointSizeF(), ownTree * times);
            QCOMPARE(tree->indentation(), qRound(12 * times));
        }
        fixture.game->setOptions(GameOptions());
    }

    void saveAsWritesIntoTheChosenDirectory_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << "career"
                                      << "career.sav";
        QTest::newRow("already .sav") << "career.sav"
                                      << "career.sav";
        QTest::newRow("upper-case .SAV gets .sav after it") << "career.SAV"
                                                            << "career.SAV.sav";
        QTest::newRow("other extension") << "career.txt"
                                         << "career.txt.sav";
        QTest::newRow("Japanese name") << "山田の記録"
                                       << "山田の記録.sav";
        QTest::newRow("dot inside") << "v1.2"
                                    << "v1.2.sav";
        QTest::newRow("dots at the end") << "career.."
                                         << "career...sav";
    }
    void saveAsWritesIntoTheChosenDirectory()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        Career career;
        career.saveAs(typed);
        QCOMPARE(contents(career.path(written)), goldenNewCareer());
        QCOMPARE(career.fixture.state().varFileName, career.path(written));
        QVERIFY(career.messages().isEmpty());
        QVERIFY(!career.saveDialog().isVisible());
        QVERIFY(career.hub().isVisible());
        QVERIFY(career.hub().isEnabled());
        // What was saved can be found again.
        career.chooseFile(written);
    }

    void dialogsDisableTheHubWhileOpen_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("新規セーブ") << "cmdSaveAs"
                                    << "saveFile";
        QTest::newRow("名前を付けて保存") << "mnuFileSaveAs"
                                          << "saveFile";
        QTest::newRow("ロード") << "cmdLoad"
                                << "loadFile";
        QTest::newRow("ﾃﾞｰﾀを開く") << "mnuFileOpen"
                                    << "loadFile";
    }
    void dialogsDisableTheHubWhileOpen()
    {
        QFETCH(QString, opener);
        QFETCH(QString, dialog);
        Career career;
        if (auto *action = career.hub().findChild<QAction *>(opener))
            action->trigger();
        else
            click(&career.hub(), qPrintable(opener));
        QWidget *shown = career.fixture.game->form(dialog);
        QVERIFY(shown && shown->isVisible());
        QVERIFY(career.hub().isVisible());
        QVERIFY(!career.hub().isEnabled());

        const QJsonObject before = gameStateToJson(career.fixture.state());
        click(shown, "Cancel");
        QVERIFY(!shown->isVisible());
        QVERIFY(career.hub().isEnabled());
        QCOMPARE(gameStateToJson(career.fixture.state()), before);
    }

    // Closing a dialog by its frame must not leave the hub disabled for ever.
    void closingByTheFrameIsCancel()
    {
        Career career;
        click(&career.hub(), "cmdSaveAs");
        career.saveDialog().close();
        QVERIFY(!career.saveDialog().isVisible());
        QVERIFY(career.hub().isEnabled());
        click(&career.hub(), "cmdLoad");
        career.loadDialog().close();
        QVERIFY(!career.loadDialog().isVisible());
        QVERIFY(career.hub().isEnabled());
    }

    void nameBoxKeepsItsText()
    {
        Career career;
        QCOMPARE(control<QLineEdit>(&career.saveDialog(), "Text1")->text(), QStringLiteral("セーブファイル名(*.sav)"));
        career.saveAs(QStringLiteral("mine"));
        click(&career.hub(), "cmdSaveAs");
        QCOMPARE(control<QLineEdit>(&career.saveDialog(), "Text1")->text(), QStringLiteral("mine"));
        QCOMPARE(career.saveDialog().directory(), career.directory.path());
        control<QLineEdit>(&career.saveDialog(), "Text1")->setText(QStringLiteral("other"));
        click(&career.saveDialog(), "Cancel");
        click(&career.hub(), "cmdSaveAs");
        QCOMPARE(control<QLineEdit>(&career.saveDialog(), "Text1")->text(), QStringLiteral("other"));
    }

    void savingOverAFileReplacesItWithoutAsking()
    {
        Career career;
        QVERIFY(put(career.path(QStringLiteral("old.sav")), "an old save"));
        career.saveAs(QStringLiteral("old"));
        QCOMPARE(contents(career.path(QStringLiteral("old.sav"))), goldenNewCareer());
        QVERIFY(career.messages().isEmpty());
    }

    // Names that would land outside the directory or that file systems refuse are not written.
    void refusedNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("the starting text") << "セーブファイル名(*.sav)";
        QTest::newRow("empty") << "";
        QTest::newRow("blank") << "   ";
        QTest::newRow("into the parent") << "../escape";
        QTest::newRow("absolute") << "/tmp/escape";
        QTest::newRow("question mark") << "what?";
        // A leading dot would make a hidden file that the load dialog never lists.
        QTest::newRow("only the extension") << ".sav";
        QTest::newRow("dot") << ".";
        QTest::newRow("dot dot") << "..";
        QTest::newRow("leading dot") << ".x";
        QTest::newRow("leading dot, Japanese") << ".山田";
    }
    void refusedNames()
    {
        QFETCH(QString, typed);
        Career career;
        career.fixture.state().varFileName = QStringLiteral("/saves/before.sav");
        career.saveAs(typed);
        QCOMPARE(career.messages(), QStringList{QStringLiteral("このファイル名ではセーブできません。\r\n"
                                                               "別のファイル名を入力して下さい。")});
        QVERIFY(entries(career.directory.path()).isEmpty());
        QCOMPARE(career.fixture.state().varFileName, QStringLiteral("/saves/before.sav"));
        QVERIFY(career.saveDialog().isVisible());
        QVERIFY(!career.hub().isEnabled());
    }

    // A write that fails says so, keeps the dialog open and the old path, and destroys nothing.
    void failedSaveAs()
    {
        Career career;
        QVERIFY(QDir(career.directory.path()).mkdir(QStringLiteral("taken.sav")));
        career.saveAs(QStringLiteral("taken"));
        QCOMPARE(career.messages(), QStringList{QStringLiteral("「") + career.path(QStringLiteral("taken.sav")) +
                                                QStringLiteral("」にセーブできませんでした。\r\n"
                                                               "保存場所を確かめて下さい。")});
        QVERIFY(QFileInfo(career.path(QStringLiteral("taken.sav"))).isDir());
        QVERIFY(career.fixture.state().varFileName.isEmpty());
        QVERIFY(career.saveDialog().isVisible());
        QVERIFY(!career.hub().isEnabled());
    }

    // A disk that gives out under 新規セーブ over an older file or under 上書きセーブ: the player
    // is told, the older file stays byte for byte, no temporary file is left, the career played
    // stays in memory, and once the disk has room again the same save goes through.
    void failingDiskKeepsTheOldSave_data()
    {
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<bool>("tmpfs");
        QTest::newRow("新規セーブ, file size limit") << false << false;
        QTest::newRow("新規セーブ, full tmpfs") << false << true;
        QTest::newRow("上書きセーブ, file size limit") << true << false;
        QTest::newRow("上書きセーブ, full tmpfs") << true << true;
    }
    void failingDiskKeepsTheOldSave()
    {
        QFETCH(bool, overwrite);
        QFETCH(bool, tmpfs);
        Career career;
        const QString path = career.path(QStringLiteral("career.sav"));
        const QString filler = career.directory.filePath(QStringLiteral("filler"));
        const auto save = [&] {
            if (overwrite)
                career.hub().findChild<QAction *>(QStringLiteral("mnuFileSave"))->trigger();
            else
                click(&career.saveDialog(), "Open");
        };

        // Room for the save, its history and the retry's temporary file once the filler is gone.
        const ChildRun run = runInChild([&] { return !tmpfs || mountPrivateTmpfs(career.directory.path(), 16); }, [&] {
            // The older save is day 1 of this career; the career goes on to day 2.
            if (overwrite)
                career.saveAs(QStringLiteral("career"));
            else
                put(path, goldenNewCareer());
            const QByteArray old = contents(path);
            click(&career.hub(), "cmdCommand(3)");
            if (!overwrite) {
                click(&career.hub(), "cmdSaveAs");
                career.saveDialog().changeDirectory(career.directory.path());
                control<QLineEdit>(&career.saveDialog(), "Text1")->setText(QStringLiteral("career"));
            }
            const QString fileNameBefore = career.fixture.state().varFileName;
            const QJsonObject before = gameStateToJson(career.fixture.state());
            const bool broken = tmpfs ? fillDisk(filler) : limitFileSize(1000);
            career.fixture.prompter->clearRecord();

            save();
            QJsonObject report{
                {QStringLiteral("broken"), broken},
                {QStringLiteral("messages"), QJsonArray::fromStringList(career.messages())},
                {QStringLiteral("oldKept"), contents(path) == old},
                {QStringLiteral("entries"), QJsonArray::fromStringList(entries(career.directory.path()))},
                {QStringLiteral("careerKept"), gameStateToJson(career.fixture.state()) == before},
                {QStringLiteral("fileNameKept"), career.fixture.state().varFileName == fileNameBefore},
                {QStringLiteral("dialogOpen"), career.saveDialog().isVisible()},
                {QStringLiteral("hubEnabled"), career.hub().isEnabled()},
            };

            const bool mended = tmpfs ? QFile::remove(filler) : liftFileSizeLimit();
            career.fixture.prompter->clearRecord();
            save();
            GameState written;
            report.insert(QStringLiteral("mended"), mended);
            report.insert(QStringLiteral("retryMessages"), QJsonArray::fromStringList(career.messages()));
            report.insert(QStringLiteral("retryLoaded"), loadSaveFile(path, written) == SaveFileLoad::Loaded &&
                                                             written.varNowDate == Cell(2));
            return QJsonDocument(report).toJson(QJsonDocument::Compact);
        });
        if (run.end == ChildRun::End::SetupFailed)
            QSKIP("a tmpfs cannot be mounted here (that needs the superuser)");
        QCOMPARE(run.end, ChildRun::End::Finished);
        const QJsonObject report = QJsonDocument::fromJson(run.output).object();
        const auto listed = [&report](const char *key) {
            return report.value(QLatin1String(key)).toVariant().toStringList();
        };
        QVERIFY(report.value(QStringLiteral("broken")).toBool());
        QCOMPARE(listed("messages"), QStringList{QStringLiteral("「") + path +
                                                 QStringLiteral("」にセーブできませんでした。\r\n"
                                                                "保存場所を確かめて下さい。")});
        QVERIFY(report.value(QStringLiteral("oldKept")).toBool());
        QStringList expected{QStringLiteral("career.sav")};
        // The earlier save wrote its history beside it; the failed one adds nothing.
        if (overwrite)
            expected.prepend(QStringLiteral("career.history.csv"));
        if (tmpfs)
            expected.append(QStringLiteral("filler"));
        QCOMPARE(listed("entries"), expected);
        QVERIFY(report.value(QStringLiteral("careerKept")).toBool());
        QVERIFY(report.value(QStringLiteral("fileNameKept")).toBool());
        QCOMPARE(report.value(QStringLiteral("dialogOpen")).toBool(), !overwrite);
        QCOMPARE(report.value(QStringLiteral("hubEnabled")).toBool(), overwrite);

        QVERIFY(report.value(QStringLiteral("mended")).toBool());
        QCOMPARE(listed("retryMessages"),
                 overwrite ? QStringList{QStringLiteral("「") + path + QStringLiteral("」に上書きセーブしました。")}
                           : QStringList());
        QVERIFY(report.value(QStringLiteral("retryLoaded")).toBool());
    }

    void overwriteSaveBeforeAnySaveWritesNothing()
    {
        Career career;
        click(&career.hub(), "cmdSave");
        QCOMPARE(career.messages(),
                 QStringList{QStringLiteral("ファイルが選択されていません。\r\n先に新規セーブをしてください。")});
        QVERIFY(career.hub().isEnabled());
    }

    // 上書きセーブ reports success only after the file is written.
    void overwriteSaveWritesThenReports()
    {
        Career career;
        career.saveAs(QStringLiteral("career"));
        click(&career.hub(), "cmdCommand(3)"); // rest: day 2
        career.fixture.prompter->clearRecord();
        career.hub().findChild<QAction *>(QStringLiteral("mnuFileSave"))->trigger();
        const QString path = career.path(QStringLiteral("career.sav"));
        QCOMPARE(career.messages(),
                 QStringList{QStringLiteral("「") + path + QStringLiteral("」に上書きセーブしました。")});
        GameState written;
        QCOMPARE(loadSaveFile(path, written), SaveFileLoad::Loaded);
        QCOMPARE(written.varNowDate, Cell(2));
        QVERIFY(career.hub().isEnabled());
    }

    void failedOverwriteSaveReportsTheFailure()
    {
        Career career;
        career.saveAs(QStringLiteral("career"));
        const QString path = career.path(QStringLiteral("career.sav"));
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir(career.directory.path()).mkdir(QStringLiteral("career.sav")));
        click(&career.hub(), "cmdSave");
        QCOMPARE(career.messages(), QStringList{QStringLiteral("「") + path +
                                                QStringLiteral("」にセーブできませんでした。\r\n"
                                                               "保存場所を確かめて下さい。")});
        QVERIFY(QFileInfo(path).isDir());
    }

    void loadFromTheHubRestoresTheCareer()
    {
        Career career;
        career.saveAs(QStringLiteral("day1"));
        click(&career.hub(), "cmdCommand(3)");
        click(&career.hub(), "cmdCommand(3)");
        QCOMPARE(labelText(&career.hub(), "lblNowDate"), QStringLiteral("3日目"));
        career.fixture.state().varFileName.clear();

        career.chooseFile(QStringLiteral("day1.sav"));
        career.fixture.prompter->clearRecord();
        click(&career.loadDialog(), "Open");
        QVERIFY(career.messages().isEmpty());
        QCOMPARE(career.fixture.state().varNowDate, Cell(1));
        QCOMPARE(career.fixture.state().varFileName, career.path(QStringLiteral("day1.sav")));
        QCOMPARE(labelText(&career.hub(), "lblNowDate"), QStringLiteral("1日目"));
        QCOMPARE(labelText(&career.hub(), "lblNextDate"), QStringLiteral("次の試合まであと：10日"));
        QCOMPARE(labelText(&career.hub(), "lblName"), QStringLiteral("山田"));
        QVERIFY(!career.loadDialog().isVisible());
        QVERIFY(career.hub().isVisible());
        QVERIFY(career.hub().isEnabled());
    }

    void rejectedFileFromTheHubKeepsTheCareer()
    {
        Career career;
        career.saveAs(QStringLiteral("mine"));
        click(&career.hub(), "cmdCommand(3)");
        QVERIFY(put(career.path(QStringLiteral("bad.sav")), badChecksum()));
        const QJsonObject before = gameStateToJson(career.fixture.state());

        career.chooseFile(QStringLiteral("bad.sav"));
        career.fixture.prompter->clearRecord();
        click(&career.loadDialog(), "Open");
        QCOMPARE(career.messages(), QStringList{Rejected});
        QCOMPARE(gameStateToJson(career.fixture.state()), before);
        QVERIFY(!career.fixture.game->hasEnded());
        QVERIFY(!career.loadDialog().isVisible());
        QVERIFY(career.hub().isEnabled());
        QCOMPARE(labelText(&career.hub(), "lblNowDate"), QStringLiteral("2日目"));
    }

    void openWithoutAChoiceChangesNothing()
    {
        Career career;
        QVERIFY(put(career.path(QStringLiteral("a.sav")), goldenNewCareer()));
        click(&career.hub(), "cmdLoad");
        QVERIFY(career.loadDialog().changeDirectory(career.directory.path()));
        const QJsonObject before = gameStateToJson(career.fixture.state());
        click(&career.loadDialog(), "Open");
        QCOMPARE(career.messages(), QStringList{QStringLiteral("ファイルが選択されていません。\r\n"
                                                               "ロードするファイルを選択して下さい。")});
        QCOMPARE(gameStateToJson(career.fixture.state()), before);
        QVERIFY(career.loadDialog().isVisible());
        QVERIFY(!career.hub().isEnabled());
    }

    void fileGoneBeforeOpenChangesNothing()
    {
        Career career;
        QVERIFY(put(career.path(QStringLiteral("gone.sav")), goldenNewCareer()));
        career.chooseFile(QStringLiteral("gone.sav"));
        QVERIFY(QFile::remove(career.path(QStringLiteral("gone.sav"))));
        const QJsonObject before = gameStateToJson(career.fixture.state());
        click(&career.loadDialog(), "Open");
        QCOMPARE(career.messages(), QStringList{QStringLiteral("「") + career.path(QStringLiteral("gone.sav")) +
                                                QStringLiteral("」を開けませんでした。")});
        QCOMPARE(gameStateToJson(career.fixture.state()), before);
        QVERIFY(career.loadDialog().isVisible());
        QVERIFY(control<QListWidget>(&career.loadDialog(), "File1")->count() == 0);
    }

    // The file list shows the directory's .sav files, whatever the case of the extension, and nothing else.
    void fileListFollowsTheDirectory()
    {
        Career career;
        QDir dir(career.directory.path());
        QVERIFY(put(career.path(QStringLiteral("b.sav")), "x"));
        QVERIFY(put(career.path(QStringLiteral("A.SAV")), "x"));
        QVERIFY(put(career.path(QStringLiteral("notes.txt")), "x"));
        QVERIFY(dir.mkdir(QStringLiteral("folder.sav")));
        QVERIFY(dir.mkdir(QStringLiteral("inner")));
        QVERIFY(put(career.path(QStringLiteral("inner/c.sav")), "x"));

        click(&career.hub(), "cmdLoad");
        QVERIFY(career.loadDialog().changeDirectory(career.directory.path()));
        auto *files = control<QListWidget>(&career.loadDialog(), "File1");
        const auto items = [files] {
            QStringList names;
            for (int i = 0; i < files->count(); ++i)
                names.append(files->item(i)->text());
            return names;
        };
        QCOMPARE(items(), (QStringList{QStringLiteral("A.SAV"), QStringLiteral("b.sav")}));
        QVERIFY(career.loadDialog().scriptChangeDirectory(QStringLiteral("inner")));
        QCOMPARE(career.loadDialog().directory(), career.directory.filePath(QStringLiteral("inner")));
        QCOMPARE(items(), QStringList{QStringLiteral("c.sav")});
        QVERIFY(career.loadDialog().scriptChangeDirectory(QStringLiteral("..")));
        QCOMPARE(items().size(), 2);

        QVERIFY(!career.loadDialog().scriptChangeDirectory(QStringLiteral("no such folder")));
        QVERIFY(!career.loadDialog().scriptChangeDirectory(QStringLiteral("notes.txt")));
        QCOMPARE(career.loadDialog().directory(), career.directory.path());
    }

    // The lists stay where the player left them, and a file saved meanwhile shows up.
    void listsKeepTheirPlaceAcrossUses()
    {
        Career career;
        QVERIFY(put(career.path(QStringLiteral("first.sav")), goldenNewCareer()));
        career.chooseFile(QStringLiteral("first.sav"));
        click(&career.loadDialog(), "Cancel");
        career.saveAs(QStringLiteral("second"));
        click(&career.hub(), "cmdLoad");
        QCOMPARE(career.loadDialog().directory(), career.directory.path());
        auto *files = control<QListWidget>(&career.loadDialog(), "File1");
        QCOMPARE(files->count(), 2);
        QCOMPARE(files->selectedItems().size(), 1);
        QCOMPARE(files->selectedItems().first()->text(), QStringLiteral("first.sav"));
    }

    void driveListShowsTheVolumeOfTheDirectory()
    {
        Career career;
        click(&career.hub(), "cmdSaveAs");
        QVERIFY(career.saveDialog().changeDirectory(career.directory.path()));
        auto *drives = control<QComboBox>(&career.saveDialog(), "Drive1");
        QCOMPARE(drives->currentText(), QDir::toNativeSeparators(QStorageInfo(career.directory.path()).rootPath()));
    }

    // A volume that went away or is not ready: the game's message, and the lists stay put.
    void unreadableDriveLeavesTheListsWhereTheyWere()
    {
        Career career;
        click(&career.hub(), "cmdSaveAs");
        QVERIFY(career.saveDialog().changeDirectory(career.directory.path()));
        auto *drives = control<QComboBox>(&career.saveDialog(), "Drive1");
        const QString shown = drives->currentText();
        const QString gone = career.directory.filePath(QStringLiteral("unplugged"));
        drives->addItem(gone, gone);
        drives->setCurrentIndex(drives->count() - 1);
        QCOMPARE(career.messages(), QStringList{QStringLiteral("フロッピーディスクをセットして下さい。")});
        QCOMPARE(career.saveDialog().directory(), career.directory.path());
        QCOMPARE(drives->currentText(), shown);
        QVERIFY(!career.fixture.game->hasEnded());
    }

    void loadGameFromTheTitle()
    {
        GameFixture fixture;
        QTemporaryDir directory;
        QVERIFY(put(directory.filePath(QStringLiteral("new.sav")), goldenNewCareer()));
        frmMain &title = fixture.game->openTitle();
        click(&title, "Command2");
        QVERIFY(!fixture.game->title());
        QCOMPARE(fixture.state().varTitleLoad, 1);
        loadFile &dialog = fixture.game->loadDialog();
        QVERIFY(dialog.isVisible());

        QVERIFY(dialog.changeDirectory(directory.path()));
        control<QListWidget>(&dialog, "File1")->setCurrentRow(0);
        click(&dialog, "Open");
        QVERIFY(fixture.prompter->messageTexts().isEmpty());
        QCOMPARE(fixture.state().varTitleLoad, 0);
        MainCommand &hub = fixture.game->hub();
        QVERIFY(hub.isVisible());
        QVERIFY(hub.isEnabled());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(labelText(&hub, "lblName"), QStringLiteral("山田"));
        QCOMPARE(labelText(&hub, "lblRanking"), QStringLiteral("ノーランカー"));
        QCOMPARE(labelText(&hub, "lblNowDate"), QStringLiteral("1日目"));
        QCOMPARE(labelText(&hub, "lblWarResult"), QStringLiteral("戦績：0勝0敗0分"));
    }

    // Cancel brings back a title screen whose buttons both work.
    void cancelFromTheTitleBringsTheTitleBack()
    {
        GameFixture fixture;
        click(&fixture.game->openTitle(), "Command2");
        click(&fixture.game->loadDialog(), "Cancel");
        frmMain *title = fixture.game->title();
        QVERIFY(title && title->isVisible());
        QCOMPARE(fixture.state().varTitleLoad, 0);
        QVERIFY(!fixture.game->loadDialog().isVisible());
        QVERIFY(!fixture.game->hasEnded());
        QVERIFY(control<QAbstractButton>(title, "Command1")->isEnabled());
        QVERIFY(control<QAbstractButton>(title, "Command2")->isEnabled());

        click(title, "Command2");
        QVERIFY(fixture.game->loadDialog().isVisible());
        QCOMPARE(fixture.state().varTitleLoad, 1);
        click(&fixture.game->loadDialog(), "Cancel");

        fixture.prompter->queueInput(QStringLiteral("山田"));
        fixture.prompter->queueInput(QStringLiteral("東京"));
        click(fixture.game->title(), "Command1");
        QVERIFY(fixture.game->hub().isVisible());
        QCOMPARE(labelText(&fixture.game->hub(), "lblName"), QStringLiteral("山田"));
    }

    // From the title there is no career to return to: the program ends after the message.
    void rejectedFileFromTheTitleEndsTheProgram()
    {
        GameFixture fixture;
        QTemporaryDir directory;
        QVERIFY(put(directory.filePath(QStringLiteral("bad.sav")), badChecksum()));
        click(&fixture.game->openTitle(), "Command2");
        loadFile &dialog = fixture.game->loadDialog();
        QVERIFY(dialog.changeDirectory(directory.path()));
        control<QListWidget>(&dialog, "File1")->setCurrentRow(0);
        click(&dialog, "Open");
        QCOMPARE(fixture.prompter->messageTexts(), QStringList{Rejected});
        QVERIFY(fixture.game->hasEnded());
        QVERIFY(!fixture.game->form(QStringLiteral("MainCommand")) ||
                !fixture.game->form(QStringLiteral("MainCommand"))->isVisible());
    }

    // A file that cannot be opened is not a rejected save: from the title the player may choose again.
    void unopenableFileFromTheTitleLetsThePlayerChooseAgain()
    {
        GameFixture fixture;
        QTemporaryDir directory;
        QVERIFY(put(directory.filePath(QStringLiteral("gone.sav")), goldenNewCareer()));
        click(&fixture.game->openTitle(), "Command2");
        loadFile &dialog = fixture.game->loadDialog();
        QVERIFY(dialog.changeDirectory(directory.path()));
        control<QListWidget>(&dialog, "File1")->setCurrentRow(0);
        QVERIFY(QFile::remove(directory.filePath(QStringLiteral("gone.sav"))));
        click(&dialog, "Open");
        QCOMPARE(fixture.prompter->messageTexts().size(), 1);
        QVERIFY(!fixture.game->hasEnded());
        QVERIFY(dialog.isVisible());
        QCOMPARE(fixture.state().varTitleLoad, 1);
        click(&dialog, "Cancel");
        QVERIFY(fixture.game->title());
    }
};

QTEST_MAIN(SaveLoadTest)
#include "test_save_load.moc"
