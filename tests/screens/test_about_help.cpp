#include "hub/MainCommand.h"
#include "platform/HelpWindow.h"
#include "platform/QtHelp.h"
#include "platform/RecordingHelp.h"
#include "platform/RecordingSysInfo.h"
#include "platform/ScreenScale.h"
#include "replay/core/RecordFolder.h"
#include "support/Careers.h"
#include "support/GameFixture.h"
#include "title/frmAbout.h"
#include "title/frmMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

namespace {
// The screen whose help menu is used: the title before a career, the hub during one.
QWidget *openScreen(GameFixture &fixture, bool hub)
{
    if (!hub)
        return &fixture.game->openTitle();
    startCareer(fixture);
    return &fixture.game->hub();
}

void trigger(QWidget *screen, const QString &name)
{
    auto *action = screen->findChild<QAction *>(name);
    QVERIFY2(action, qPrintable(name));
    action->trigger();
}

frmAbout *openAbout(QWidget *screen)
{
    trigger(screen, QStringLiteral("mnuHelpAbout"));
    return screen->findChild<frmAbout *>(QStringLiteral("frmAbout"));
}

void writePage(const QDir &folder, const QString &name, const QString &body)
{
    QFile file(folder.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("<html><body>%1</body></html>").arg(body).toUtf8());
}
} // namespace

class AboutHelpTest : public QObject
{
    Q_OBJECT
private slots:
    void aboutBoxShowsTitleAndVersionOverEitherScreen_data()
    {
        QTest::addColumn<bool>("hub");
        QTest::newRow("title") << false;
        QTest::newRow("hub") << true;
    }
    void aboutBoxShowsTitleAndVersionOverEitherScreen()
    {
        QFETCH(bool, hub);
        GameFixture fixture;
        QWidget *screen = openScreen(fixture, hub);
        QPointer<frmAbout> about = openAbout(screen);
        QVERIFY(about);
        QVERIFY(about->isVisible());
        QCOMPARE(about->windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報 RingGlory"));
        QCOMPARE(about->findChild<QLabel *>(QStringLiteral("lblTitle"))->text(), QStringLiteral("RingGlory"));
        QCOMPARE(about->findChild<QLabel *>(QStringLiteral("lblVersion"))->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 1.0.0"));
        QCOMPARE(about->findChild<QAbstractButton *>(QStringLiteral("cmdSysInfo"))->text(),
                 QStringLiteral("ｼｽﾃﾑ情報(&S)..."));
        QVERIFY(!about->findChild<QLabel *>(QStringLiteral("picIcon"))->pixmap().isNull());
        QCOMPARE(fixture.game->form(QStringLiteral("frmAbout")), about.data());

        // Owned by its screen and modal for the whole game: nothing behind it takes input.
        QCOMPARE(about->parentWidget(), screen);
        QCOMPARE(about->windowModality(), Qt::ApplicationModal);
        QCOMPARE(QApplication::activeModalWidget(), about.data());

        about->findChild<QAbstractButton *>(QStringLiteral("cmdOK"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!about);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(screen->isVisible());
        QVERIFY(fixture.prompter->boxes().isEmpty());
    }

    // Each showing builds a fresh box.
    void aboutBoxIsBuiltForEachShowing()
    {
        GameFixture fixture;
        QWidget *hub = openScreen(fixture, true);
        QPointer<frmAbout> first = openAbout(hub);
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QPointer<frmAbout> second = openAbout(hub);
        QVERIFY(second && second->isVisible());
        second->close();
    }

    // On a machine without the tool the box explains and stays open for OK.
    void systemInformationUnavailableShowsTheMessageAndKeepsTheBox()
    {
        GameFixture fixture;
        QPointer<frmAbout> about = openAbout(openScreen(fixture, true));
        about->findChild<QAbstractButton *>(QStringLiteral("cmdSysInfo"))->click();
        QCOMPARE(fixture.prompter->boxes(), QStringList{QStringLiteral("RingGlory|現時点ではｼｽﾃﾑ情報を使用できません")});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(about && about->isVisible());
        about->close();
    }

    void systemInformationAvailableStartsTheToolWithoutAMessage()
    {
        GameFixture fixture;
        auto *sysInfo = dynamic_cast<RecordingSysInfo *>(&fixture.game->sysInfo());
        QVERIFY(sysInfo);
        sysInfo->setAvailable(true);
        QPointer<frmAbout> about = openAbout(openScreen(fixture, false));
        about->findChild<QAbstractButton *>(QStringLiteral("cmdSysInfo"))->click();
        QCOMPARE(sysInfo->starts(), 1);
        QVERIFY(fixture.prompter->boxes().isEmpty());
        QVERIFY(about->isVisible());
        about->close();
    }

    void helpMenuOpensTheContentsAndTheKeywordIndex_data()
    {
        QTest::addColumn<bool>("hub");
        QTest::newRow("title") << false;
        QTest::newRow("hub") << true;
    }
    void helpMenuOpensTheContentsAndTheKeywordIndex()
    {
        QFETCH(bool, hub);
        GameFixture fixture;
        QWidget *screen = openScreen(fixture, hub);
        trigger(screen, QStringLiteral("mnuHelpContents"));
        trigger(screen, QStringLiteral("mnuHelpSearchForHelpOn"));
        auto *help = dynamic_cast<RecordingHelp *>(&fixture.game->help());
        QVERIFY(help);
        QCOMPARE(help->opened(), (QStringList{QStringLiteral("index.html"), QStringLiteral("keywords.html")}));
        QVERIFY(fixture.prompter->boxes().isEmpty());
    }

    // A missing manual is explained in a message; the game carries on where it was.
    void missingManualShowsAMessage()
    {
        ScriptedPrompter *prompter = nullptr;
        Game::Ports ports = scriptedPorts(nullptr, &prompter);
        ports.help = std::make_unique<RecordingHelp>(nullptr, [](const QString &) { return QString(); });
        Game game(std::move(ports));
        frmMain &title = game.openTitle();
        trigger(&title, QStringLiteral("mnuHelpContents"));
        trigger(&title, QStringLiteral("mnuHelpSearchForHelpOn"));
        QCOMPARE(prompter->boxes(),
                 (QStringList{QStringLiteral("RingGlory|ヘルプファイル「help/index.html」が見つかりません。"),
                              QStringLiteral("RingGlory|ヘルプファイル「help/keywords.html」が見つかりません。")}));
        QVERIFY(title.isVisible());
        QVERIFY(!game.hasEnded());
    }

    // The item sits with the manual's entries, above the line that sets the About box apart.
    void helpMenuOpensTheRecordFolder_data()
    {
        QTest::addColumn<bool>("hub");
        QTest::newRow("title") << false;
        QTest::newRow("hub") << true;
    }
    void helpMenuOpensTheRecordFolder()
    {
        QFETCH(bool, hub);
        GameFixture fixture;
        QWidget *screen = openScreen(fixture, hub);
        QStringList items;
        for (QAction *action : screen->findChild<QMenu *>(QStringLiteral("mnuHelp"))->actions())
            items.append(action->isSeparator() ? QStringLiteral("-") : action->objectName());
        QCOMPARE(items, (QStringList{QStringLiteral("mnuHelpContents"), QStringLiteral("mnuHelpSearchForHelpOn"),
                                     QStringLiteral("mnuHelpReplayFolder"), QStringLiteral("-"),
                                     QStringLiteral("mnuHelpAbout")}));
        QCOMPARE(screen->findChild<QAction *>(QStringLiteral("mnuHelpReplayFolder"))->text(),
                 QStringLiteral("プレイ記録のフォルダを開く(&R)"));

        trigger(screen, QStringLiteral("mnuHelpReplayFolder"));
        auto *help = dynamic_cast<RecordingHelp *>(&fixture.game->help());
        QCOMPARE(help->openedFolders(), QStringList{RecordFolder::path()});
        QVERIFY(help->opened().isEmpty());
        QVERIFY(fixture.prompter->boxes().isEmpty());
    }

    // Where the desktop cannot show the folder, the player is told where it is, and plays on.
    void recordFolderThatCannotBeOpenedIsExplainedWithItsPlace()
    {
        GameFixture fixture;
        auto *help = dynamic_cast<RecordingHelp *>(&fixture.game->help());
        help->setFoldersOpen(false);
        QWidget *hub = openScreen(fixture, true);
        trigger(hub, QStringLiteral("mnuHelpReplayFolder"));
        QCOMPARE(fixture.prompter->boxes(),
                 QStringList{QStringLiteral("RingGlory|次のフォルダを開けませんでした。\r\n%1\r\n"
                                            "ファイルマネージャーなどで、この場所を開いて下さい。")
                                 .arg(QDir::toNativeSeparators(RecordFolder::path()))});
        QVERIFY(hub->isVisible());
        QVERIFY(!fixture.game->hasEnded());
    }

    // The folder is made when it is not there yet, then handed to the desktop as a local URL; a
    // folder that cannot be made is never handed over, and any failure names the folder.
    void folderIsMadeAndHandedToTheDesktop_data()
    {
        QTest::addColumn<QString>("folder"); // below the temporary home
        QTest::addColumn<bool>("desktopOpens");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<bool>("handedOver");
        QTest::newRow("missing, made") << QStringLiteral("data/RingGlory/replays") << true << true << true;
        QTest::newRow("already there") << QStringLiteral("there") << true << true << true;
        QTest::newRow("desktop refuses") << QStringLiteral("replays") << false << false << true;
        QTest::newRow("cannot be made") << QStringLiteral("file/replays") << true << false << false;
    }
    void folderIsMadeAndHandedToTheDesktop()
    {
        QFETCH(QString, folder);
        QFETCH(bool, desktopOpens);
        QFETCH(bool, opened);
        QFETCH(bool, handedOver);
        QTemporaryDir home;
        const QDir dir(home.path());
        QVERIFY(dir.mkdir(QStringLiteral("there")));
        QFile file(dir.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString path = dir.filePath(folder);
        QList<QUrl> urls;
        QtHelp help(&Help::findPage, [&urls, desktopOpens](const QUrl &url) {
            urls.append(url);
            return desktopOpens;
        });
        const QString failure = help.openFolder(path, nullptr);
        QCOMPARE(failure, opened ? QString() : Help::folderMessage(path));
        if (!opened)
            QVERIFY(failure.contains(QDir::toNativeSeparators(path)));
        QCOMPARE(urls, handedOver ? QList<QUrl>{QUrl::fromLocalFile(path)} : QList<QUrl>());
        QCOMPARE(QFileInfo(path).isDir(), handedOver);
        QVERIFY(!help.window());
    }

    void helpWindowShowsTheManualAndMovesBetweenItsPages()
    {
        QTemporaryDir manual;
        QVERIFY(manual.isValid());
        const QDir folder(manual.path());
        writePage(folder, QStringLiteral("index.html"), QStringLiteral("<h1>目次</h1>"));
        writePage(folder, QStringLiteral("keywords.html"), QStringLiteral("<h1>キーワード索引</h1>"));
        QtHelp help([&folder](const QString &page) {
            return QFileInfo::exists(folder.filePath(page)) ? folder.filePath(page) : QString();
        });
        QVERIFY(!help.window());

        QCOMPARE(help.open(Help::Topic::KeywordIndex, nullptr), QString());
        HelpWindow *window = help.window();
        QVERIFY(window && window->isVisible());
        QCOMPARE(QFileInfo(window->currentPage()).fileName(), QStringLiteral("keywords.html"));
        auto *browser = window->findChild<QTextBrowser *>();
        QVERIFY(browser->toPlainText().contains(QStringLiteral("キーワード索引")));

        window->findChild<QAbstractButton *>(QStringLiteral("cmdContents"))->click();
        QCOMPARE(QFileInfo(window->currentPage()).fileName(), QStringLiteral("index.html"));
        window->findChild<QAbstractButton *>(QStringLiteral("cmdBack"))->click();
        QCOMPARE(QFileInfo(window->currentPage()).fileName(), QStringLiteral("keywords.html"));

        // One window for the whole game.
        QCOMPARE(help.open(Help::Topic::Contents, nullptr), QString());
        QCOMPARE(help.window(), window);
        QCOMPARE(QFileInfo(window->currentPage()).fileName(), QStringLiteral("index.html"));
    }

    // With no window manager there is no close box: 閉じる, Esc and Ctrl+W close the window.
    void helpWindowClosesWithoutAWindowManager_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("閉じる") << "button";
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("Ctrl+W") << "Ctrl+W";
    }
    void helpWindowClosesWithoutAWindowManager()
    {
        QFETCH(QString, how);
        QTemporaryDir manual;
        const QDir folder(manual.path());
        writePage(folder, QStringLiteral("index.html"), QStringLiteral("<h1>目次</h1>"));
        QtHelp help([&folder](const QString &page) { return folder.filePath(page); });
        QCOMPARE(help.open(Help::Topic::Contents, nullptr), QString());
        HelpWindow *window = help.window();
        QVERIFY(window->isVisible());

        auto *close = window->findChild<QAbstractButton *>(QStringLiteral("cmdClose"));
        QVERIFY(close);
        QCOMPARE(close->text(), QStringLiteral("閉じる"));
        if (how == QLatin1String("button")) {
            close->click();
        } else {
            // The page has the focus, as when the reader has been scrolling it.
            QWidget *page = window->findChild<QTextBrowser *>();
            const Qt::KeyboardModifiers modifiers =
                how == QLatin1String("Esc") ? Qt::NoModifier : Qt::ControlModifier;
            const int key = how == QLatin1String("Esc") ? Qt::Key_Escape : Qt::Key_W;
            QKeyEvent press(QEvent::KeyPress, key, modifiers);
            QCoreApplication::sendEvent(page, &press);
        }
        QVERIFY(!window->isVisible());
    }

    // At every scale the help window fits the screen it opens on.
    void helpWindowFitsTheScreen_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("100 %") << 1.0;
        QTest::newRow("200 %") << 2.0;
        QTest::newRow("300 %") << 3.0;
    }
    void helpWindowFitsTheScreen()
    {
        QFETCH(double, scale);
        QTemporaryDir manual;
        const QDir folder(manual.path());
        writePage(folder, QStringLiteral("index.html"), QStringLiteral("<h1>目次</h1>"));
        ScreenScale::setFactor(scale);
        QtHelp help([&folder](const QString &page) { return folder.filePath(page); });
        QCOMPARE(help.open(Help::Topic::Contents, nullptr), QString());
        const HelpWindow *window = help.window();
        const QRect free = window->screen()->availableGeometry();
        const QRect frame = window->frameGeometry();
        ScreenScale::setFactor(1.0);
        QVERIFY2(free.contains(frame), qPrintable(QStringLiteral("%1x%2 on %3x%4")
                                                      .arg(frame.width())
                                                      .arg(frame.height())
                                                      .arg(free.width())
                                                      .arg(free.height())));
    }

    void helpWindowIsNotOpenedWithoutTheManual()
    {
        QtHelp help([](const QString &) { return QString(); });
        QCOMPARE(help.open(Help::Topic::Contents, nullptr), QStringLiteral("ヘルプファイル「help/index.html」が見つかりません。"));
        QVERIFY(!help.window());
    }

    // Every link of the shipped manual leads to a page (and a place on it) that exists.
    void shippedManualHasNoBrokenLinks()
    {
        const QString contents = Help::findPage(Help::pageName(Help::Topic::Contents));
        QVERIFY2(!contents.isEmpty(), "the manual is not where the game looks for it");
        QVERIFY(!Help::findPage(Help::pageName(Help::Topic::KeywordIndex)).isEmpty());
        const QDir folder = QFileInfo(contents).dir();
        const QRegularExpression link(QStringLiteral("href=\"([^\"#]*)(?:#([^\"]*))?\""));
        const QStringList pages = folder.entryList({QStringLiteral("*.html")}, QDir::Files);
        QVERIFY(pages.size() >= 9);
        for (const QString &page : pages) {
            QFile file(folder.filePath(page));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            for (auto match = link.globalMatch(html); match.hasNext();) {
                const QRegularExpressionMatch found = match.next();
                const QString target = found.captured(1).isEmpty() ? page : found.captured(1);
                QFile linked(folder.filePath(target));
                QVERIFY2(linked.open(QIODevice::ReadOnly), qPrintable(page + QStringLiteral(" -> ") + target));
                const QString anchor = found.captured(2);
                if (!anchor.isEmpty())
                    QVERIFY2(QString::fromUtf8(linked.readAll()).contains(QStringLiteral("name=\"%1\"").arg(anchor)),
                             qPrintable(page + QStringLiteral(" -> ") + target + QLatin1Char('#') + anchor));
            }
        }
    }
};

QTEST_MAIN(AboutHelpTest)
#include "test_about_help.moc"
