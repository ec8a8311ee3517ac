// At a fixed window scale every window of the game, with each control on it, its texts and
// its pictures, is that many times its own size in pixels, at once and in place; the script
// driver still reads every place in twips, and going back restores every pixel.
#include "app/ControlJson.h"
#include "ending/Ending.h"
#include "files/loadFile.h"
#include "files/saveFile.h"
#include "history/Growth.h"
#include "hub/MainCommand.h"
#include "info/MyStatus.h"
#include "info/NextEnemyData.h"
#include "info/Senseki.h"
#include "match/Spar.h"
#include "options/SettingsDialog.h"
#include "options/core/GameWindowSizes.h"
#include "platform/GameLabel.h"
#include "platform/ScreenScale.h"
#include "platform/Twips.h"
#include "support/Careers.h"
#include "support/Matches.h"
#include "title/frmAbout.h"
#include "title/frmMain.h"
#include "training/PunchingBall.h"
#include "training/SandBag.h"
#include "training/Setsumei.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <functional>

namespace {
using OpenWindow = std::function<QWidget *(GameFixture &)>;

// The game's own controls have names and places of their own; the parts Qt builds inside
// them have no names or names that start "qt_", and Qt lays out status bars and tab pages.
bool isGameControl(const QWidget *widget)
{
    if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_")))
        return false;
    return !qobject_cast<const QStatusBar *>(widget) &&
           !qobject_cast<const QStackedWidget *>(widget->parentWidget()) &&
           !qobject_cast<const QTabBar *>(widget->parentWidget()) &&
           !qobject_cast<const QStatusBar *>(widget->parentWidget());
}

// Where the script driver reads a control to be.
QJsonObject placeRead(QWidget *widget)
{
    QJsonObject place;
    const QJsonObject read = controlToJson(widget);
    for (const char *key : {"left", "top", "width", "height", "x1", "y1", "x2", "y2"})
        if (read.contains(QLatin1String(key)))
            place[QLatin1String(key)] = read[QLatin1String(key)];
    return place;
}

struct Look
{
    QRect geometry;
    double pointSize = 0;
    QSize picture;
    QJsonObject read;
};

// Every widget of the window as it stands now, the window's client area first.
QList<std::pair<QWidget *, Look>> looks(QWidget *window)
{
    QApplication::sendPostedEvents();
    auto *main = qobject_cast<QMainWindow *>(window);
    QList<QWidget *> widgets{main && main->centralWidget() ? main->centralWidget() : window};
    widgets += window->findChildren<QWidget *>();
    QList<std::pair<QWidget *, Look>> all;
    for (QWidget *widget : widgets) {
        Look look{widget->geometry(), widget->font().pointSizeF(), {}, {}};
        if (auto *label = qobject_cast<QLabel *>(widget))
            look.picture = label->pixmap().size();
        if (isGameControl(widget))
            look.read = placeRead(widget);
        all.append({widget, look});
    }
    return all;
}

QHash<QWidget *, Look> lookup(const QList<std::pair<QWidget *, Look>> &all)
{
    QHash<QWidget *, Look> byWidget;
    for (const auto &[widget, look] : all)
        byWidget.insert(widget, look);
    return byWidget;
}

void setScale(GameFixture &fixture, GameOptions::Scale scale)
{
    GameOptions options = fixture.game->options();
    options.scale = scale;
    fixture.game->setOptions(options);
}
} // namespace

class WindowScaleTest : public QObject
{
    Q_OBJECT
private slots:
    void everyWindowGrowsWhole_data()
    {
        QTest::addColumn<OpenWindow>("open");
        QTest::addColumn<GameOptions::Scale>("scale");
        QTest::addColumn<int>("times");
        const QList<std::pair<const char *, OpenWindow>> windows{
            {"title", [](GameFixture &f) -> QWidget * { return &f.game->openTitle(); }},
            {"hub", [](GameFixture &f) -> QWidget * { return &f.game->hub(); }},
            {"status", [](GameFixture &f) -> QWidget * { return &f.game->myStatus(); }},
            {"next opponent", [](GameFixture &f) -> QWidget * { return &f.game->nextEnemyData(); }},
            {"fight record", [](GameFixture &f) -> QWidget * { return &f.game->senseki(); }},
            {"bout", [](GameFixture &f) -> QWidget * { return &startFirstBout(f); }},
            {"sparring", [](GameFixture &f) -> QWidget * { return &startSparring(f); }},
            {"sandbag", [](GameFixture &f) -> QWidget * { return &f.game->sandBag(); }},
            {"punching ball", [](GameFixture &f) -> QWidget * { return &f.game->punchingBall(); }},
            {"save", [](GameFixture &f) -> QWidget * { return &f.game->saveDialog(); }},
            {"load", [](GameFixture &f) -> QWidget * { return &f.game->loadDialog(); }},
            {"ending", [](GameFixture &f) -> QWidget * { return &f.game->ending(); }},
            {"instructions",
             [](GameFixture &f) -> QWidget * {
                 f.state().varSetsumeiNo = ActivitySandBag;
                 return &f.game->openInstructions();
             }},
            {"about", [](GameFixture &f) -> QWidget * { return &f.game->openAbout(f.game->hub()); }},
            {"settings", [](GameFixture &f) -> QWidget * { return &f.game->openSettings(f.game->hub()); }},
        };
        for (const auto &[name, open] : windows) {
            QTest::addRow("%s at 200", name) << open << GameOptions::Scale::Percent200 << 2;
            QTest::addRow("%s at 300", name) << open << GameOptions::Scale::Percent300 << 3;
        }
    }
    void everyWindowGrowsWhole()
    {
        QFETCH(OpenWindow, open);
        QFETCH(GameOptions::Scale, scale);
        QFETCH(int, times);
        GameFixture fixture;
        startCareer(fixture);
        setScale(fixture, GameOptions::Scale::Percent100);
        QWidget *window = open(fixture);
        window->show();
        const QList<std::pair<QWidget *, Look>> own = looks(window);

        setScale(fixture, scale);
        const QHash<QWidget *, Look> scaled = lookup(looks(window));
        // Qt may build parts of its own controls afresh (a list's scroll bars): the ones
        // measured before are the ones compared.
        for (qsizetype i = 0; i < own.size(); ++i) {
            const auto &[widget, before] = own[i];
            QVERIFY(scaled.contains(widget));
            const Look after = scaled.value(widget);
            const QString what = widget->objectName() + QLatin1Char(' ') + widget->metaObject()->className();
            // A menu is a window of its own, placed where it pops up.
            if (i > 0 && widget->isWindow())
                continue;
            if (i == 0 || widget == own[0].first) {
                // The window itself may move to stay on the desktop; its client area grows whole.
                QVERIFY2(after.geometry.size() == before.geometry.size() * times, qPrintable(what));
            } else if (isGameControl(widget)) {
                QVERIFY2(after.geometry == QRect(before.geometry.topLeft() * times, before.geometry.size() * times),
                         qPrintable(what));
                QVERIFY2(after.read == before.read, qPrintable(what));
                if (before.picture.isValid())
                    QVERIFY2(after.picture == before.picture * times, qPrintable(what));
            } else if (widget->isVisible()) {
                // Qt's own parts follow their texts and the control around them, but keep the
                // style's frames and scroll bars: larger, never more than the factor and a half.
                QVERIFY2(after.geometry.width() >= before.geometry.width() &&
                             after.geometry.height() >= before.geometry.height() &&
                             after.geometry.width() <= before.geometry.width() * times * 3 / 2 + 2 &&
                             after.geometry.height() <= before.geometry.height() * times * 3 / 2 + 2,
                         qPrintable(what));
            }
            if (!widget->testAttribute(Qt::WA_SetFont))
                continue;
            // A wrapped text set smaller to fit its box is fitted afresh at each scale: whole
            // in its box, and never larger than the factor makes it.
            if (auto *fitted = qobject_cast<GameLabel *>(widget);
                fitted && fitted->wordWrap() && !qFuzzyCompare(after.pointSize, before.pointSize * times))
                QVERIFY2(after.pointSize < before.pointSize * times && fitted->fits(fitted->font()),
                         qPrintable(what));
            else
                QVERIFY2(qFuzzyCompare(after.pointSize, before.pointSize * times), qPrintable(what));
        }

        setScale(fixture, GameOptions::Scale::Percent100);
        const QHash<QWidget *, Look> back = lookup(looks(window));
        for (qsizetype i = 0; i < own.size(); ++i) {
            const QString what = own[i].first->objectName() + QLatin1Char(' ') + own[i].first->metaObject()->className();
            QVERIFY(back.contains(own[i].first));
            // The game's controls come back to the pixel; Qt's bars and frames may settle later.
            if (i > 0 && !isGameControl(own[i].first))
                continue;
            if (i == 0 || own[i].first == own[0].first)
                QVERIFY2(back[own[i].first].geometry.size() == own[i].second.geometry.size(), qPrintable(what));
            else
                QVERIFY2(back[own[i].first].geometry == own[i].second.geometry, qPrintable(what));
            QVERIFY2(back[own[i].first].pointSize == own[i].second.pointSize, qPrintable(what));
            QVERIFY2(back[own[i].first].picture == own[i].second.picture, qPrintable(what));
        }
    }

    // Going back from a larger scale, a window with menu and status bars comes back to its
    // own size once the bars have their fonts again, not to what the larger bars asked for.
    void windowsWithBarsComeBackToTheirSize_data()
    {
        QTest::addColumn<OpenWindow>("open");
        QTest::newRow("title") << OpenWindow([](GameFixture &f) -> QWidget * { return &f.game->openTitle(); });
        QTest::newRow("hub") << OpenWindow([](GameFixture &f) -> QWidget * { return &f.game->hub(); });
    }
    void windowsWithBarsComeBackToTheirSize()
    {
        QFETCH(OpenWindow, open);
        GameFixture fixture;
        startCareer(fixture);
        setScale(fixture, GameOptions::Scale::Percent100);
        QWidget *window = open(fixture);
        window->show();
        QCoreApplication::processEvents();
        const QSize own = window->size();

        setScale(fixture, GameOptions::Scale::Percent300);
        QCoreApplication::processEvents();
        QVERIFY(window->width() > own.width() * 2);
        setScale(fixture, GameOptions::Scale::Percent100);
        QCoreApplication::processEvents();
        QCOMPARE(window->size(), own);
    }

    // The tab pages' buttons stand 480 twips below the tab control's top at every scale and
    // read so: the row of tabs is as many times its own height as the rest of the hub.
    void tabPageButtonsReadTheSameTwipsAtEveryScale_data()
    {
        QTest::addColumn<GameOptions::Scale>("scale");
        QTest::addColumn<double>("times");
        QTest::addColumn<bool>("builtLarge");
        QTest::newRow("built at 150") << GameOptions::Scale::Percent150 << 1.5 << true;
        QTest::newRow("built at 200") << GameOptions::Scale::Percent200 << 2.0 << true;
        QTest::newRow("built at 300") << GameOptions::Scale::Percent300 << 3.0 << true;
        QTest::newRow("grown to 150") << GameOptions::Scale::Percent150 << 1.5 << false;
        QTest::newRow("grown to 300") << GameOptions::Scale::Percent300 << 3.0 << false;
    }
    void tabPageButtonsReadTheSameTwipsAtEveryScale()
    {
        QFETCH(GameOptions::Scale, scale);
        QFETCH(double, times);
        QFETCH(bool, builtLarge);
        const QStringList buttons{QStringLiteral("cmdCommand(3)"), QStringLiteral("cmdGrowth"),
                                  QStringLiteral("cmdSyuryo")};
        GameFixture own;
        startCareer(own);
        QHash<QString, QJsonObject> ownReads;
        QHash<QString, QPoint> ownPlaces;
        MainCommand &ownHub = own.game->hub();
        for (const QString &name : buttons) {
            auto *button = ownHub.findChild<QWidget *>(name);
            ownReads.insert(name, placeRead(button));
            ownPlaces.insert(name, button->mapTo(ownHub.centralWidget(), QPoint()));
        }
        QCOMPARE(ownReads.value(QStringLiteral("cmdCommand(3)"))[QLatin1String("top")].toInt(), 45);

        GameFixture fixture;
        startCareer(fixture);
        if (builtLarge)
            setScale(fixture, scale);
        MainCommand &hub = fixture.game->hub();
        if (!builtLarge)
            setScale(fixture, scale);
        QApplication::sendPostedEvents();
        for (const QString &name : buttons) {
            auto *button = hub.findChild<QWidget *>(name);
            QCOMPARE(placeRead(button), ownReads.value(name));
            // And it stands where the button at the game's own size, grown, stands.
            const QPoint place = button->mapTo(hub.centralWidget(), QPoint());
            const QPoint ownPlace = ownPlaces.value(name);
            QVERIFY2(
                std::abs(place.y() - ownPlace.y() * times) <= 1,
                qPrintable(QStringLiteral("%1 at %2, own %3").arg(name).arg(place.y()).arg(ownPlace.y())));
        }
    }

    // The sizes the scale is fitted to are the windows' own: every window of the game is
    // among them, client area for client area.
    void everyWindowIsAmongTheSizesTheScaleFits()
    {
        GameFixture fixture;
        startCareer(fixture);
        Game &game = *fixture.game;
        QList<QWidget *> windows;
        windows << &game.openTitle() << &game.hub() << &game.myStatus() << &game.nextEnemyData()
                << &game.senseki() << &game.growth() << &game.sandBag() << &game.punchingBall()
                << &game.saveDialog() << &game.loadDialog() << &game.ending();
        windows.append(&game.openAbout(game.hub()));
        windows.append(&game.openSettings(game.hub()));
        fixture.state().varSetsumeiNo = ActivitySandBag;
        windows.append(&fixture.game->openInstructions());
        windows.append(&startFirstBout(fixture));
        QList<QSize> sizes;
        for (const WindowExtent &window : gameWindowSizes())
            sizes.append(
                QSize(twipsToPixels(window.clientTwips.width()), twipsToPixels(window.clientTwips.height())));
        for (QWidget *window : windows) {
            auto *main = qobject_cast<QMainWindow *>(window);
            const QSize client = main ? main->centralWidget()->size() : window->size();
            QVERIFY2(sizes.contains(client), qPrintable(window->objectName()));
        }
        GameFixture sparring;
        Spar &spar = startSparring(sparring);
        QVERIFY(sizes.contains(spar.size()));
    }

    // A game kept to a screen puts in force only a scale at which every window fits it,
    // and its settings dialog offers no other, saying why.
    void aScaleTooLargeForTheScreenGivesWay_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<GameOptions::Scale>("chosen");
        QTest::addColumn<double>("inForce");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("300 on 1920 x 1080") << QSize(1920, 1080) << GameOptions::Scale::Percent300 << 2.0
                                            << QStringList{"auto", "100", "150", "200"};
        QTest::newRow("300 on 1280 x 800")
            << QSize(1280, 800) << GameOptions::Scale::Percent300 << 1.5 << QStringList{"auto", "100", "150"};
        QTest::newRow("200 on 1280 x 800")
            << QSize(1280, 800) << GameOptions::Scale::Percent200 << 1.5 << QStringList{"auto", "100", "150"};
        QTest::newRow("300 on 2560 x 1440") << QSize(2560, 1440) << GameOptions::Scale::Percent300 << 3.0
                                            << QStringList{"auto", "100", "150", "200", "300"};
    }
    void aScaleTooLargeForTheScreenGivesWay()
    {
        QFETCH(QSize, screen);
        QFETCH(GameOptions::Scale, chosen);
        QFETCH(double, inForce);
        QFETCH(QStringList, offered);
        GameFixture fixture;
        startCareer(fixture);
        setScale(fixture, chosen);
        fixture.game->fitWindowsToScreen(screen);
        QCOMPARE(ScreenScale::factor(), inForce);
        // The choice itself is kept, for a larger screen another time.
        QCOMPARE(fixture.game->options().scale, chosen);

        auto *list = fixture.game->openSettings(fixture.game->hub()).findChild<QComboBox *>("cboScale");
        const QStringList words{"auto", "100", "150", "200", "300"};
        for (int i = 0; i < list->count(); ++i) {
            const bool enabled = list->model()->flags(list->model()->index(i, 0)) & Qt::ItemIsEnabled;
            QCOMPARE(enabled, offered.contains(words[i]));
            QCOMPARE(list->itemText(i).contains(QStringLiteral("画面に収まりません")), !enabled);
        }
        setScale(fixture, GameOptions::Scale::Percent100);
    }

    // A screen first built while the game is enlarged comes out as large as the others.
    void aScreenBuiltWhileEnlargedMatchesOneEnlargedLater()
    {
        GameFixture early;
        startCareer(early);
        setScale(early, GameOptions::Scale::Percent200);
        const QList<std::pair<QWidget *, Look>> builtLarge = looks(&early.game->senseki());

        GameFixture late;
        startCareer(late);
        QWidget *record = &late.game->senseki();
        setScale(late, GameOptions::Scale::Percent200);
        const QList<std::pair<QWidget *, Look>> grown = looks(record);
        QCOMPARE(builtLarge.size(), grown.size());
        // Same screen, same order of controls.
        for (qsizetype i = 0; i < grown.size(); ++i) {
            if (!isGameControl(grown[i].first))
                continue;
            QCOMPARE(builtLarge[i].second.geometry, grown[i].second.geometry);
            QCOMPARE(builtLarge[i].second.pointSize, grown[i].second.pointSize);
        }
    }

    // Mouse places still mean the same twips: the guard circle guards where it is drawn.
    void theMouseFindsTheGuardCircleAtAnyScale()
    {
        GameFixture fixture;
        Spar &spar = startFirstBout(fixture);
        setScale(fixture, GameOptions::Scale::Percent300);
        auto moveTo = [&spar](QPoint at) {
            QMouseEvent move(QEvent::MouseMove, QPointF(at), spar.mapToGlobal(QPointF(at)), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(&spar, &move);
        };
        moveTo(spar.findChild<QWidget *>(QStringLiteral("GuardCircle"))->geometry().center());
        QVERIFY(spar.isGuarding());
        // Where the circle would lie at the game's own size is now far above and left of it.
        moveTo(QPoint(2600 / 15, 4900 / 15));
        QVERIFY(!spar.isGuarding());
    }
};

QTEST_MAIN(WindowScaleTest)
#include "test_window_scale.moc"
