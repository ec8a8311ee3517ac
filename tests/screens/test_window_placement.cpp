#include "ending/Ending.h"
#include "files/loadFile.h"
#include "files/saveFile.h"
#include "history/Growth.h"
#include "hub/MainCommand.h"
#include "info/MyStatus.h"
#include "info/NextEnemyData.h"
#include "info/Senseki.h"
#include "match/Spar.h"
#include "platform/HelpWindow.h"
#include "platform/QtHelp.h"
#include "platform/QtPrompter.h"
#include "support/Careers.h"
#include "support/GameFixture.h"
#include "title/frmAbout.h"
#include "title/frmMain.h"
#include "training/PunchingBall.h"
#include "training/SandBag.h"
#include "training/Setsumei.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

namespace {
// The free area of the screen the windows open on.
QRect desktop()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// Two places well inside the desktop where every screen of the game fits around them.
QList<QPoint> openerCentres()
{
    const QRect free = desktop();
    return {free.topLeft() + QPoint(free.width() * 3 / 8, free.height() * 4 / 9),
            free.topLeft() + QPoint(free.width() * 5 / 8, free.height() * 5 / 9)};
}

void moveCentreTo(QWidget &window, QPoint centre)
{
    QRect frame = window.frameGeometry();
    frame.moveCenter(centre);
    window.move(frame.topLeft());
}

void press(QWidget *form, const QString &name)
{
    auto *button = form->findChild<QAbstractButton *>(name);
    QVERIFY2(button && button->isEnabled() && form->isEnabled(), qPrintable(name));
    button->click();
}

void trigger(QWidget *form, const QString &name)
{
    auto *action = form->findChild<QAction *>(name);
    QVERIFY2(action, qPrintable(name));
    action->trigger();
}

void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// One way the game opens a window: what leads up to it, the window that opens it (moved
// by the test before each opening), the player's action that opens it, and how the player
// leaves it again so that it can be opened once more.
struct Opening
{
    std::function<void()> prepare = [] {};
    std::function<QWidget *()> opener;
    std::function<QWidget *()> open;
    std::function<void()> leave = [] {};
};

// A bout against that row starts from the hub on the next day, its instructions read and gone.
void startBout(GameFixture &fixture, int row)
{
    GameState &state = fixture.state();
    state.varSetsumeiOff[ActivityBout] = 1;
    state.varNextEnemy = row;
    state.varKaisen = 3;
    state.varNextDate = 1;
    press(&fixture.game->hub(), QStringLiteral("cmdCommand(3)"));
}

Opening openingOf(const QString &name, GameFixture &fixture)
{
    Game &game = *fixture.game;
    GameState &state = fixture.state();
    const auto hub = [&game]() -> QWidget * { return &game.hub(); };
    const auto fromHub = [&](const QString &button, std::function<QWidget *()> window, const QString &back) {
        return Opening{[] {}, hub,
                       [&game, button, window] {
                           press(&game.hub(), button);
                           return window();
                       },
                       [window, back] { press(window(), back); }};
    };
    const auto fromMenu = [&](std::function<QWidget *()> screen, const QString &action,
                              std::function<QWidget *()> window, const QString &back) {
        return Opening{[] {}, screen,
                       [screen, action, window] {
                           trigger(screen(), action);
                           return window();
                       },
                       [window, back] {
                           press(window(), back);
                           deleteClosedWindows();
                       }};
    };
    const auto about = [](QWidget *screen) { return screen->findChild<frmAbout *>(QStringLiteral("frmAbout")); };

    if (name == QLatin1String("status card from the hub"))
        return fromHub(QStringLiteral("cmdMyStatus"), [&game] { return &game.myStatus(); }, QStringLiteral("Command1"));
    if (name == QLatin1String("next opponent's card from the hub"))
        return fromHub(QStringLiteral("cmdJohoNextEnemy"), [&game] { return &game.nextEnemyData(); },
                       QStringLiteral("Command1"));
    if (name == QLatin1String("fight record from the hub"))
        return fromHub(QStringLiteral("cmdSenseki"), [&game] { return &game.senseki(); }, QStringLiteral("Command1"));
    if (name == QLatin1String("growth chart from the hub"))
        return fromHub(QStringLiteral("cmdGrowth"), [&game] { return &game.growth(); }, QStringLiteral("Command1"));
    if (name == QLatin1String("sandbag from the hub"))
        return {[] {}, hub, [&game] {
                    press(&game.hub(), QStringLiteral("cmdCommand(0)"));
                    return &game.sandBag();
                },
                [&game] { game.scheduler().advance(18000); }};
    if (name == QLatin1String("punching ball from the hub"))
        return {[] {}, hub, [&game] {
                    press(&game.hub(), QStringLiteral("cmdCommand(1)"));
                    return &game.punchingBall();
                },
                [&game] { game.scheduler().advance(18000); }};
    if (name == QLatin1String("sparring from the hub"))
        return {[] {}, hub, [&game] {
                    press(&game.hub(), QStringLiteral("cmdCommand(2)"));
                    return &game.spar();
                },
                [&game] {
                    game.spar().varWinLose = 1;
                    game.spar().subEnd();
                }};
    if (name == QLatin1String("bout on the fight day"))
        return {[] {}, hub, [&fixture, &game] {
                    startBout(fixture, 2);
                    return &game.spar();
                },
                [&game] {
                    game.spar().varWinLose = 1;
                    game.spar().subEnd();
                }};
    if (name == QLatin1String("instructions over the sandbag"))
        return {[] {}, hub, [&game] {
                    press(&game.hub(), QStringLiteral("cmdCommand(0)"));
                    return game.instructions();
                },
                [&game] {
                    press(game.instructions(), QStringLiteral("Command1"));
                    deleteClosedWindows();
                    game.scheduler().advance(18000);
                }};
    if (name == QLatin1String("instructions over the bout"))
        return {[] {}, hub, [&state, &game] {
                    state.varNextDate = 1;
                    press(&game.hub(), QStringLiteral("cmdCommand(3)"));
                    return game.instructions();
                },
                [&game] {
                    press(game.instructions(), QStringLiteral("Command1"));
                    deleteClosedWindows();
                    game.spar().varWinLose = 1;
                    game.spar().subEnd();
                }};
    if (name == QLatin1String("save dialog from the hub"))
        return fromMenu(hub, QStringLiteral("mnuFileSaveAs"), [&game] { return &game.saveDialog(); },
                        QStringLiteral("Cancel"));
    if (name == QLatin1String("load dialog from the hub"))
        return fromMenu(hub, QStringLiteral("mnuFileOpen"), [&game] { return &game.loadDialog(); },
                        QStringLiteral("Cancel"));
    if (name == QLatin1String("About box from the hub"))
        return fromMenu(hub, QStringLiteral("mnuHelpAbout"), [&game, about] { return about(&game.hub()); },
                        QStringLiteral("cmdOK"));
    if (name == QLatin1String("About box from the title"))
        return fromMenu([&game]() -> QWidget * { return game.title(); }, QStringLiteral("mnuHelpAbout"),
                        [&game, about] { return about(game.title()); }, QStringLiteral("cmdOK"));
    if (name == QLatin1String("hub from a new career"))
        return {[&game] {
                    if (!game.title())
                        game.openTitle();
                }, [&game]() -> QWidget * { return game.title(); },
                [&fixture, &game]() -> QWidget * {
                    fixture.prompter->queueInput(QStringLiteral("山田"));
                    fixture.prompter->queueInput(QStringLiteral("東京"));
                    press(game.title(), QStringLiteral("Command1"));
                    return &game.hub();
                },
                [&game] {
                    deleteClosedWindows();
                    game.hub().hide();
                }};
    if (name == QLatin1String("load dialog from the title"))
        return {[&game] {
                    if (!game.title())
                        game.openTitle();
                },
                [&game]() -> QWidget * { return game.title(); },
                [&game]() -> QWidget * {
                    press(game.title(), QStringLiteral("Command2"));
                    deleteClosedWindows();
                    return &game.loadDialog();
                },
                [&game] { press(&game.loadDialog(), QStringLiteral("Cancel")); }};
    if (name == QLatin1String("title back from the load dialog"))
        return {[&game] {
                    press(game.title() ? game.title() : &game.openTitle(), QStringLiteral("Command2"));
                    deleteClosedWindows();
                },
                [&game]() -> QWidget * { return &game.loadDialog(); },
                [&game]() -> QWidget * {
                    press(&game.loadDialog(), QStringLiteral("Cancel"));
                    return game.title();
                }};
    if (name == QLatin1String("ending after the last champion"))
        return {[&fixture] { startBout(fixture, 18); }, [&game]() -> QWidget * { return &game.spar(); },
                [&game]() -> QWidget * {
                    game.spar().varWinLose = 1;
                    game.spar().subEnd();
                    return &game.ending();
                },
                [&game] { game.ending().hide(); }};
    if (name == QLatin1String("status card from the ending"))
        return {[&game] {
                    if (game.ending().isVisible())
                        return;
                    game.hub().hide();
                    game.openEnding();
                },
                [&game]() -> QWidget * { return &game.ending(); },
                [&game]() -> QWidget * {
                    press(&game.ending(), QStringLiteral("Command2"));
                    return &game.myStatus();
                },
                [&game] { press(&game.myStatus(), QStringLiteral("Command1")); }};
    return {};
}

// How a row's game begins: at the title, or with a career on the hub, with or without the
// chairman's instructions.
enum Start { AtTheTitle, Career, CareerWithoutInstructions };
} // namespace

class WindowPlacementTest : public QObject
{
    Q_OBJECT
private slots:
    void eachWindowOpensCentredOverItsOpener_data()
    {
        QTest::addColumn<QString>("opening");
        QTest::addColumn<int>("start");
        const auto row = [](const char *name, Start start) { QTest::newRow(name) << QString::fromUtf8(name) << int(start); };
        row("status card from the hub", CareerWithoutInstructions);
        row("next opponent's card from the hub", CareerWithoutInstructions);
        row("fight record from the hub", CareerWithoutInstructions);
        row("growth chart from the hub", CareerWithoutInstructions);
        row("sandbag from the hub", CareerWithoutInstructions);
        row("punching ball from the hub", CareerWithoutInstructions);
        row("sparring from the hub", CareerWithoutInstructions);
        row("bout on the fight day", CareerWithoutInstructions);
        row("instructions over the sandbag", Career);
        row("instructions over the bout", Career);
        row("save dialog from the hub", CareerWithoutInstructions);
        row("load dialog from the hub", CareerWithoutInstructions);
        row("About box from the hub", CareerWithoutInstructions);
        row("About box from the title", AtTheTitle);
        row("hub from a new career", AtTheTitle);
        row("load dialog from the title", AtTheTitle);
        row("title back from the load dialog", AtTheTitle);
        row("ending after the last champion", CareerWithoutInstructions);
        row("status card from the ending", CareerWithoutInstructions);
    }

    // The first opening is the one that went wrong: a window placed only once it had been shown
    // sat in the corner of the screen. Moving the opener between openings shows the window
    // follows it rather than keeping the place it had.
    void eachWindowOpensCentredOverItsOpener()
    {
        QFETCH(QString, opening);
        QFETCH(int, start);
        GameFixture fixture;
        if (start == AtTheTitle)
            fixture.game->openTitle();
        else
            startCareer(fixture);
        if (start == CareerWithoutInstructions)
            fixture.state().varSetsumeiOff = {1, 1, 1, 1};
        const Opening way = openingOf(opening, fixture);
        QVERIFY(way.open);
        way.prepare();
        for (const QPoint centre : openerCentres()) {
            QWidget *opener = way.opener();
            QVERIFY(opener);
            moveCentreTo(*opener, centre);
            QWidget *window = way.open();
            QVERIFY(window);
            QVERIFY(window->isVisible());
            const QPoint shown = window->frameGeometry().center();
            // A window wider than the room beside its opener keeps wholly on the desktop instead.
            QRect wanted(QPoint(), window->frameGeometry().size());
            wanted.moveCenter(centre);
            const QRect free = desktop();
            wanted.moveLeft(std::clamp(wanted.left(), free.left(), free.right() + 1 - wanted.width()));
            wanted.moveTop(std::clamp(wanted.top(), free.top(), free.bottom() + 1 - wanted.height()));
            QVERIFY2((shown - wanted.center()).manhattanLength() <= 2,
                     qPrintable(QStringLiteral("%1 opened centred at %2,%3 instead of %4,%5")
                                    .arg(window->objectName())
                                    .arg(shown.x())
                                    .arg(shown.y())
                                    .arg(wanted.center().x())
                                    .arg(wanted.center().y())));
            way.leave();
            way.prepare();
        }
    }

    // The hub comes back from an activity where the player left it, wherever the activity's
    // screen stood, and so stays put over day after day (it used to creep down the screen).
    void theHubComesBackWhereItWas_data()
    {
        QTest::addColumn<bool>("bout");
        QTest::newRow("from the sandbag") << false;
        QTest::newRow("from the bout") << true;
    }
    void theHubComesBackWhereItWas()
    {
        QFETCH(bool, bout);
        GameFixture fixture;
        startCareer(fixture);
        fixture.state().varSetsumeiOff = {1, 1, 1, 1};
        Game &game = *fixture.game;
        MainCommand &hub = game.hub();
        for (const QPoint centre : openerCentres()) {
            moveCentreTo(hub, centre);
            const QPoint left = hub.frameGeometry().center();
            QWidget *activity = nullptr;
            if (bout) {
                startBout(fixture, 2);
                activity = &game.spar();
            } else {
                press(&hub, QStringLiteral("cmdCommand(0)"));
                activity = &game.sandBag();
            }
            QVERIFY(activity->isVisible() && !hub.isVisible());
            // The player drags the activity's screen to a corner.
            activity->move(desktop().topLeft());
            if (bout) {
                game.spar().varWinLose = 3;
                game.spar().subEnd();
            } else {
                game.scheduler().advance(18000);
            }
            QVERIFY(hub.isVisible());
            QCOMPARE(hub.frameGeometry().center(), left);
        }
    }

    void theTitleOpensInTheMiddleOfTheScreen()
    {
        GameFixture fixture;
        const frmMain &title = fixture.game->openTitle();
        QVERIFY((title.frameGeometry().center() - desktop().center()).manhattanLength() <= 2);
    }

    // An opener pushed against an edge of the screen must not push the window it opens off it.
    void aWindowOpenedNearAnEdgeStaysOnTheScreen_data()
    {
        QTest::addColumn<QPoint>("corner");
        const QRect free = desktop();
        QTest::newRow("top left") << free.topLeft();
        QTest::newRow("top right") << free.topRight();
        QTest::newRow("bottom left") << free.bottomLeft();
        QTest::newRow("bottom right") << free.bottomRight();
    }

    void aWindowOpenedNearAnEdgeStaysOnTheScreen()
    {
        QFETCH(QPoint, corner);
        GameFixture fixture;
        startCareer(fixture);
        fixture.state().varSetsumeiOff = {1, 1, 1, 1};
        MainCommand &hub = fixture.game->hub();
        moveCentreTo(hub, corner);
        press(&hub, QStringLiteral("cmdCommand(2)"));
        const QRect fight = fixture.game->spar().frameGeometry();
        QVERIFY2(desktop().contains(fight), qPrintable(QStringLiteral("fight screen at %1,%2")
                                                           .arg(fight.left())
                                                           .arg(fight.top())));
    }

    // The manual opens over the screen whose help menu asked for it; once open it stays where
    // the player has put it when another page is asked for.
    void theManualOpensOverTheScreenThatAskedForIt()
    {
        QTemporaryDir folder;
        QFile page(QDir(folder.path()).filePath(QStringLiteral("index.html")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><body>contents</body></html>");
        page.close();
        const QString path = page.fileName();
        QtHelp help([&path](const QString &) { return path; });
        GameFixture fixture;
        startCareer(fixture);
        MainCommand &hub = fixture.game->hub();

        // The manual's window is large: it is centred over the hub only where it fits on the screen.
        const QPoint middle = desktop().center();
        for (const QPoint centre : {middle - QPoint(40, 30), middle + QPoint(40, 30)}) {
            moveCentreTo(hub, centre);
            QCOMPARE(help.open(Help::Topic::Contents, &hub), QString());
            HelpWindow *window = help.window();
            QVERIFY((window->frameGeometry().center() - centre).manhattanLength() <= 2);
            const QPoint put = window->pos() + QPoint(17, 11);
            window->move(put);
            QCOMPARE(help.open(Help::Topic::Contents, &hub), QString());
            QCOMPARE(window->pos(), put);
            window->hide();
        }
    }

    // A box takes its size only as it shows; it must still open over the window it belongs to,
    // not where Qt guesses the middle to be.
    void boxesOpenCentredOverTheActiveWindow_data()
    {
        QTest::addColumn<bool>("input");
        QTest::newRow("message box") << false;
        QTest::newRow("input box") << true;
    }

    void boxesOpenCentredOverTheActiveWindow()
    {
        QFETCH(bool, input);
        QWidget owner;
        owner.setFixedSize(320, 240);
        moveCentreTo(owner, openerCentres().first());
        owner.show();
        owner.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&owner));
        QtPrompter prompter;
        QRect seen;
        QTimer::singleShot(0, [&seen] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                seen = box->frameGeometry();
                box->close();
            }
        });
        if (input)
            prompter.input(QStringLiteral("名前を入力してください"), QStringLiteral("新規ボクサー作成"), QString());
        else
            prompter.message(QStringLiteral("ゆっくり休憩して体を休めた。"));
        QVERIFY(!seen.isNull());
        QVERIFY2((seen.center() - owner.frameGeometry().center()).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("box centred at %1,%2").arg(seen.center().x()).arg(seen.center().y())));
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "test_window_placement.moc"
