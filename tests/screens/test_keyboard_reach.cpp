// Every window of the game can be used without a mouse: Tab walks its controls in the
// order they are laid out, and Enter or Space presses the button that has the focus.
#include "app/ScriptDriver.h"
#include "app/ScriptedGame.h"
#include "hub/MainCommand.h"
#include "info/MyStatus.h"
#include "platform/Transcript.h"
#include "support/Careers.h"
#include "support/GameFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct KeyPlay
{
    KeyPlay() : stream(&output), transcript(stream)
    {
        driver = std::make_unique<ScriptDriver>(*fixture.game, *fixture.prompter, transcript);
    }
    void run(const QString &line) { driver->runCommand(++lineNumber, line); }

    // The controls Tab reaches from the window's first focus, in order, until it comes round again.
    QStringList tabChain(const QString &formName)
    {
        QWidget *form = fixture.game->form(formName);
        // The player types into the window: it is the active one, its first control has the focus.
        QApplication::setActiveWindow(form);
        QStringList names;
        for (int step = 0; step < 40; ++step) {
            QWidget *focus = form->focusWidget();
            const QString name = focus ? focus->objectName() : QStringLiteral("<none>");
            if (!names.isEmpty() && name == names.first())
                break;
            if (focus)
                names << name;
            run(QStringLiteral("key %1 Tab").arg(formName));
        }
        return names;
    }

    GameFixture fixture;
    QString output;
    QTextStream stream;
    Transcript transcript;
    std::unique_ptr<ScriptDriver> driver;
    int lineNumber = 0;
};
} // namespace

class KeyboardReachTest : public QObject
{
    Q_OBJECT
private slots:
    // Tab walks each window's controls in the order they are laid out, top to bottom and
    // left to right; on the hub the arrow keys pick a page of commands first.
    void tabWalksTheControlsInLayoutOrder_data()
    {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("chain");
        QTest::newRow("title") << QStringList{} << "frmMain" << QStringList{"Command1", "Command2"};
        QTest::newRow("hub, training page")
            << QStringList{"career"} << "MainCommand"
            << QStringList{"qt_tabwidget_tabbar", "cmdCommand(0)", "cmdCommand(1)", "cmdCommand(2)", "cmdCommand(3)"};
        QTest::newRow("hub, information page")
            << QStringList{"career", "key MainCommand Right"} << "MainCommand"
            << QStringList{"qt_tabwidget_tabbar", "cmdJohoNextEnemy", "cmdMyStatus", "cmdSenseki", "cmdGrowth"};
        QTest::newRow("hub, system page")
            << QStringList{"career", "key MainCommand Right", "key MainCommand Right"}
            << "MainCommand" << QStringList{"qt_tabwidget_tabbar", "cmdSaveAs", "cmdSave", "cmdLoad", "cmdSyuryo"};
        QTest::newRow("save dialog") << QStringList{"career", "click MainCommand.cmdSaveAs"} << "saveFile"
                                     << QStringList{"Drive1", "Dir1", "Text1", "Open", "Cancel"};
        QTest::newRow("load dialog") << QStringList{"career", "click MainCommand.cmdLoad"} << "loadFile"
                                     << QStringList{"Drive1", "Dir1", "File1", "Open", "Cancel"};
        QTest::newRow("status card") << QStringList{"career", "click MainCommand.cmdMyStatus"} << "MyStatus"
                                     << QStringList{"Command1"};
        // OK first, then the text (which scrolls by keyboard) and the check box.
        QTest::newRow("instructions") << QStringList{"career", "click MainCommand.cmdCommand(0)"}
                                      << "Setsumei" << QStringList{"Command1", "lblSetsumei", "Check1"};
    }
    void tabWalksTheControlsInLayoutOrder()
    {
        QFETCH(QStringList, setup);
        QFETCH(QString, form);
        QFETCH(QStringList, chain);
        KeyPlay play;
        play.fixture.game->openTitle();
        for (const QString &line : setup) {
            if (line == QLatin1String("career"))
                startCareer(play.fixture);
            else
                play.run(line);
        }
        QVERIFY(play.fixture.game->form(form)->isVisible());
        QCOMPARE(play.tabChain(form), chain);
        QVERIFY2(!play.transcript.hadErrors(), qPrintable(play.output));
    }

    // Enter, or Space, on the focused button is its click.
    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("tabs");
        QTest::addColumn<QString>("opens");
        QTest::newRow("hub Return on 自分のステータス") << "Return" << "information" << 2 << "MyStatus";
        QTest::newRow("hub keypad Enter on 戦績") << "Enter" << "information" << 3 << "Senseki";
        QTest::newRow("hub Space on 次の対戦相手") << "Space" << "information" << 1 << "NextEnemyData";
        QTest::newRow("title Return on Load Game") << "Return" << "title" << 1 << "loadFile";
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(QString, key);
        QFETCH(QString, form);
        QFETCH(int, tabs);
        QFETCH(QString, opens);
        KeyPlay play;
        QString formName = QStringLiteral("frmMain");
        play.fixture.game->openTitle();
        if (form == QLatin1String("information")) {
            startCareer(play.fixture);
            formName = QStringLiteral("MainCommand");
            play.run(QStringLiteral("key MainCommand Right"));
        }
        for (int i = 0; i < tabs; ++i)
            play.run(QStringLiteral("key %1 Tab").arg(formName));
        QVERIFY(!play.fixture.game->form(opens) || !play.fixture.game->form(opens)->isVisible());

        play.run(QStringLiteral("key %1 %2").arg(formName, key));

        QVERIFY2(!play.transcript.hadErrors(), qPrintable(play.output));
        QVERIFY(play.fixture.game->form(opens) && play.fixture.game->form(opens)->isVisible());
    }

    // A saved career loads from the title by keyboard alone: Tab to the file list, whose
    // first file the focus chooses, then Enter there or on Open.
    void careerLoadsByKeyboard_data()
    {
        QTest::addColumn<int>("tabs");
        QTest::newRow("Enter on ボクサーデータを開く") << 3;
        QTest::newRow("Enter on the file") << 2;
    }
    void careerLoadsByKeyboard()
    {
        QFETCH(int, tabs);
        QTemporaryDir folder;
        const QString saved = QDir::currentPath();
        QDir::setCurrent(folder.path());
        {
            KeyPlay making;
            making.fixture.game->openTitle();
            startCareer(making.fixture, QStringLiteral("鈴木"));
            making.run(QStringLiteral("click MainCommand.cmdSaveAs"));
            making.run(QStringLiteral("text saveFile.Text1 one.sav"));
            making.run(QStringLiteral("click saveFile.Open"));
            QVERIFY2(!making.transcript.hadErrors(), qPrintable(making.output));
        }
        KeyPlay play;
        play.fixture.game->openTitle();
        play.run(QStringLiteral("key frmMain Tab"));
        play.run(QStringLiteral("key frmMain Return"));
        for (int i = 0; i < tabs; ++i)
            play.run(QStringLiteral("key loadFile Tab"));
        play.run(QStringLiteral("key loadFile Return"));
        QDir::setCurrent(saved);
        QVERIFY2(!play.transcript.hadErrors(), qPrintable(play.output));
        QCOMPARE(play.fixture.state().Chara(CharaTable::PlayerRow, CharaTable::Name), Cell(QStringLiteral("鈴木")));
        QVERIFY(play.fixture.game->hub().isVisible());
    }

    // The card's OK, reached by keyboard, closes it and gives the hub back.
    void cardClosesByEnter()
    {
        KeyPlay play;
        play.fixture.game->openTitle();
        startCareer(play.fixture);
        play.run(QStringLiteral("click MainCommand.cmdMyStatus"));
        play.run(QStringLiteral("key MyStatus Tab"));
        play.run(QStringLiteral("key MyStatus Return"));
        QVERIFY2(!play.transcript.hadErrors(), qPrintable(play.output));
        QVERIFY(!play.fixture.game->myStatus().isVisible());
        QVERIFY(play.fixture.game->hub().isVisible());
        QVERIFY(play.fixture.game->hub().isEnabled());
    }

    // Esc on a card or a file dialog is its OK or キャンセル: the same click, recorded as that
    // click, and the focus goes back to the hub's button that opened it.
    void escapeClosesAsItsButtonDoes_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("closer");
        QTest::newRow("次の対戦相手") << 1 << "cmdJohoNextEnemy"
                                      << "NextEnemyData"
                                      << "Command1";
        QTest::newRow("ステータス") << 1 << "cmdMyStatus"
                                    << "MyStatus"
                                    << "Command1";
        QTest::newRow("戦績") << 1 << "cmdSenseki"
                              << "Senseki"
                              << "Command1";
        QTest::newRow("成長記録") << 1 << "cmdGrowth"
                                  << "Growth"
                                  << "Command1";
        QTest::newRow("save dialog") << 2 << "cmdSaveAs"
                                     << "saveFile"
                                     << "Cancel";
        QTest::newRow("load dialog") << 2 << "cmdLoad"
                                     << "loadFile"
                                     << "Cancel";
    }
    void escapeClosesAsItsButtonDoes()
    {
        QFETCH(int, page);
        QFETCH(QString, opener);
        QFETCH(QString, form);
        QFETCH(QString, closer);
        QStringList opening = {QStringLiteral("input 山田"), QStringLiteral("input 東京"),
                               QStringLiteral("click frmMain.Command1")};
        for (int i = 0; i < page; ++i)
            opening << QStringLiteral("key MainCommand Right");
        // Tab from the page's tab to the opener, then Enter on it.
        for (int tab = 1; tab <= 4; ++tab) {
            opening << QStringLiteral("key MainCommand Tab");
            if (tab == buttonsOfPage(page).indexOf(opener) + 1)
                break;
        }
        opening << QStringLiteral("key MainCommand Return");

        const Played keyed = play(opening + QStringList{QStringLiteral("key %1 Escape").arg(form)});
        const Played clicked = play(opening + QStringList{QStringLiteral("click %1.%2").arg(form, closer)});

        QVERIFY2(!keyed.errors, qPrintable(keyed.transcript));
        QCOMPARE(keyed.transcript, clicked.transcript);
        QVERIFY(keyed.transcript.contains(QStringLiteral("\thide\t") + form));
        QCOMPARE(keyed.record, clicked.record);
        QVERIFY(keyed.record.contains(QStringLiteral("click %1.%2").arg(form, closer)));
        QCOMPARE(keyed.hubFocus, opener);
        QCOMPARE(clicked.hubFocus, opener);
    }

    // Every window shows which control has the focus as soon as it opens, not after a first Tab.
    void focusShowsFromTheStart_data()
    {
        QTest::addColumn<QString>("click");
        QTest::addColumn<QString>("form");
        QTest::newRow("title") << "" << "frmMain";
        QTest::newRow("hub") << "" << "MainCommand";
        QTest::newRow("status card") << "MainCommand.cmdMyStatus" << "MyStatus";
        QTest::newRow("成長記録") << "MainCommand.cmdGrowth" << "Growth";
        QTest::newRow("load dialog") << "MainCommand.cmdLoad" << "loadFile";
        QTest::newRow("instructions") << "MainCommand.cmdCommand(1)" << "Setsumei";
    }
    void focusShowsFromTheStart()
    {
        QFETCH(QString, click);
        QFETCH(QString, form);
        KeyPlay play;
        play.fixture.game->openTitle();
        if (form != QLatin1String("frmMain"))
            startCareer(play.fixture);
        if (!click.isEmpty())
            play.run(QStringLiteral("click ") + click);
        QWidget *window = play.fixture.game->form(form);
        QVERIFY(window && window->isVisible());
        QVERIFY(window->testAttribute(Qt::WA_KeyboardFocusChange));
    }

    // 成長記録 opens with OK focused, whatever had the focus when it last closed: an Enter at
    // once closes it and never opens the file box.
    void growthOpensWithOkFocused()
    {
        KeyPlay play;
        play.fixture.game->openTitle();
        startCareer(play.fixture);
        for (const QString &before : {QString(), QStringLiteral("key Growth Tab")}) {
            play.run(QStringLiteral("click MainCommand.cmdGrowth"));
            if (!before.isEmpty()) {
                // The focus left on 画像として保存 when the screen last closed.
                play.run(before);
                play.run(QStringLiteral("click Growth.Command1"));
                play.run(QStringLiteral("click MainCommand.cmdGrowth"));
            }
            play.run(QStringLiteral("key Growth Return"));
            QVERIFY2(!play.transcript.hadErrors(), qPrintable(play.output));
            QVERIFY(!play.fixture.game->form(QStringLiteral("Growth"))->isVisible());
            QVERIFY(play.fixture.prompter->boxes().isEmpty());
        }
    }

    // The instructions' text takes the keyboard from Tab and scrolls by it.
    void instructionsScrollByKeyboard()
    {
        KeyPlay play;
        play.fixture.game->openTitle();
        startCareer(play.fixture);
        play.run(QStringLiteral("click MainCommand.cmdCommand(0)"));
        auto *text = play.fixture.game->form(QStringLiteral("Setsumei"))->findChild<QPlainTextEdit *>();
        text->setPlainText(QStringLiteral("会長の話\n").repeated(40));
        play.run(QStringLiteral("key Setsumei Tab"));
        play.run(QStringLiteral("key Setsumei PgDown"));
        QVERIFY2(!play.transcript.hadErrors(), qPrintable(play.output));
        QVERIFY(text->verticalScrollBar()->value() > 0);
    }

    // Within each menu, and along each menu bar, no two items share their underlined letter.
    void menuLettersAreDistinct_data()
    {
        QTest::addColumn<bool>("hub");
        QTest::newRow("title") << false;
        QTest::newRow("hub") << true;
    }
    void menuLettersAreDistinct()
    {
        QFETCH(bool, hub);
        KeyPlay play;
        QWidget *screen = &play.fixture.game->openTitle();
        if (hub) {
            startCareer(play.fixture);
            screen = &play.fixture.game->hub();
        }
        static const QRegularExpression mnemonic(QStringLiteral("&(.)"));
        const auto letters = [](const QList<QAction *> &actions) {
            QStringList found;
            for (const QAction *action : actions) {
                const QRegularExpressionMatch match = mnemonic.match(action->text());
                if (match.hasMatch())
                    found << match.captured(1).toUpper();
            }
            return found;
        };
        const auto *bar = screen->findChild<QMenuBar *>();
        QVERIFY(bar);
        QList<QList<QAction *>> menus = {bar->actions()};
        for (const QAction *entry : bar->actions())
            if (entry->menu())
                menus << entry->menu()->actions();
        for (const QList<QAction *> &menu : std::as_const(menus)) {
            const QStringList used = letters(menu);
            QCOMPARE(QSet<QString>(used.cbegin(), used.cend()).size(), used.size());
        }
    }

private:
    struct Played
    {
        QString transcript;
        QString record;
        QString hubFocus;
        bool errors = false;
    };

    // The script played as `ringglory --script --record` plays it.
    static Played play(const QStringList &lines)
    {
        Played played;
        QBuffer record;
        record.open(QIODevice::WriteOnly);
        QTextStream stream(&played.transcript);
        Transcript transcript(stream);
        {
            ScriptedGame game(transcript, &record);
            played.errors = !game.driver().run(lines.join(QLatin1Char('\n')));
            const QWidget *focus = game.game().hub().focusWidget();
            played.hubFocus = focus ? focus->objectName() : QString();
        }
        stream.flush();
        // The record's head names the version and the time it began.
        const QStringList recorded = QString::fromUtf8(record.data()).split(QLatin1Char('\n'));
        QStringList inputs;
        for (const QString &line : recorded)
            if (!line.startsWith(QLatin1Char('#')))
                inputs << line;
        played.record = inputs.join(QLatin1Char('\n'));
        return played;
    }

    static QStringList buttonsOfPage(int page)
    {
        return page == 1 ? QStringList{"cmdJohoNextEnemy", "cmdMyStatus", "cmdSenseki", "cmdGrowth"}
                         : QStringList{"cmdSaveAs", "cmdSave", "cmdLoad", "cmdSyuryo"};
    }
};

QTEST_MAIN(KeyboardReachTest)
#include "test_keyboard_reach.moc"
