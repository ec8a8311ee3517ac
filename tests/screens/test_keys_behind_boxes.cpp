// A key stands for a click, so it does nothing wherever the click could not happen: on a box
// or behind it, behind the chairman's instructions, and on a screen whose session is over.
// The boxes here are real windows over the screen, as the player's are, and take keys.
#include "data/GameStateJson.h"
#include "hub/MainCommand.h"
#include "match/Spar.h"
#include "platform/QtPrompter.h"
#include "support/Careers.h"
#include "support/Matches.h"
#include "training/Setsumei.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTest>

namespace {
void pressAndRelease(QWidget *receiver, int key)
{
    const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QString(QChar(char16_t(key))).toLower();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(receiver, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(receiver, &release);
}

// The player's key goes to the focused widget of the window.
QWidget *keyReceiver(QWidget &window)
{
    return window.focusWidget() ? window.focusWidget() : &window;
}

// Each box is a real modal box over the active window, as the game's are. Before it takes its
// scripted answer, the player presses keys on it and the screen behind hears them too; what the
// game state was before and after those keys is kept.
class KeyedBoxes : public ScriptedPrompter
{
public:
    Game *game = nullptr;
    QList<int> keys;
    QWidget *behind = nullptr;
    // Boxes over which the game state changed while the keys were pressed.
    int changedUnderKeys = 0;
    // Boxes a key answered, as Space does on the focused OK.
    int answeredByKey = 0;

protected:
    Answer showMessage(const QString &text, Buttons buttons, Icon icon, const QString &caption) override
    {
        // A fault would open a box from a box's keys; past a few, the keys stop so the test ends.
        if (++m_keyed <= MaxKeyedBoxes)
            pressKeysOn(QtPrompter::messageBox(text, buttons, icon, caption));
        return ScriptedPrompter::showMessage(text, buttons, icon, caption);
    }

private:
    static constexpr int MaxKeyedBoxes = 8;
    int m_keyed = 0;

    void pressKeysOn(const std::unique_ptr<QMessageBox> &box)
    {
        QWidget *owner = QApplication::activeWindow();
        box->setWindowModality(Qt::ApplicationModal);
        box->show();
        QApplication::setActiveWindow(box.get());
        const QJsonObject before = gameStateToJson(game->state());
        // Once a key has answered the box, the game goes on from it before any further key.
        for (const int key : std::as_const(keys)) {
            if (!box->isVisible())
                break;
            if (behind->isVisible())
                pressAndRelease(keyReceiver(*behind), key);
            pressAndRelease(keyReceiver(*box), key);
        }
        if (gameStateToJson(game->state()) != before)
            ++changedUnderKeys;
        if (box->clickedButton())
            ++answeredByKey;
        box->hide();
        if (owner)
            QApplication::setActiveWindow(owner);
    }
};

struct BoxedPlay
{
    BoxedPlay() : fixture(std::make_unique<KeyedBoxes>(), std::nullopt)
    {
        boxes = static_cast<KeyedBoxes *>(fixture.prompter);
        boxes->game = fixture.game.get();
    }

    // Opens the screen from a new career, with or without the chairman's instructions, as the active window.
    QWidget &open(const QString &screen, bool instructions = false)
    {
        QWidget *form = nullptr;
        if (screen == QLatin1String("Spar")) {
            form = &startSparring(fixture);
        } else {
            startCareer(fixture);
            GameState &state = fixture.state();
            state.varSetsumeiOff[ActivitySandBag] = instructions ? 0 : 1;
            state.varSetsumeiOff[ActivityPunchingBall] = instructions ? 0 : 1;
            const bool bag = screen == QLatin1String("SandBag");
            clickOn(&fixture.game->hub(),
                    bag ? QStringLiteral("cmdCommand(0)") : QStringLiteral("cmdCommand(1)"));
            form = fixture.game->form(screen);
        }
        fixture.prompter->clearRecord();
        fixture.sound->clear();
        QApplication::setActiveWindow(form);
        boxes->behind = form;
        return *form;
    }

    // Lets the session run until its screen is hidden, at most past its three minutes.
    void runOut(QWidget &screen)
    {
        for (int waited = 0; waited < 20000 && screen.isVisible(); waited += 100)
            fixture.game->scheduler().advance(100);
    }

    GameFixture fixture;
    KeyedBoxes *boxes = nullptr;
};

int keyCode(const QString &name)
{
    return QKeySequence::fromString(name, QKeySequence::PortableText)[0].key();
}

// A row for every key of the two training screens, with the screen it belongs to.
void addTrainingKeyRows()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("key");
    for (const char *key : {"A", "S", "D", "K", "L"})
        QTest::addRow("sandbag %s", key) << "SandBag" << key;
    QTest::newRow("punching ball Space") << "PunchingBall"
                                         << "Space";
}
} // namespace

class KeysBehindBoxesTest : public QObject
{
    Q_OBJECT
private slots:
    // Every key of every screen, pressed on the box that ends its session and on the screen
    // behind it, changes nothing; Space presses the box's focused OK instead of punching.
    void keyOnAnOpenBoxDoesNothing_data()
    {
        addTrainingKeyRows();
        for (const char *key : {"F", "V", "J", "N", "Space"})
            QTest::addRow("sparring %s", key) << "Spar" << key;
    }
    void keyOnAnOpenBoxDoesNothing()
    {
        QFETCH(QString, screen);
        QFETCH(QString, key);
        BoxedPlay play;
        QWidget &form = play.open(screen);
        play.boxes->keys = {keyCode(key)};

        play.runOut(form);

        QCOMPARE(play.boxes->boxes().size(), 1);
        QCOMPARE(play.boxes->changedUnderKeys, 0);
        QCOMPARE(play.boxes->answeredByKey, key == QLatin1String("Space") ? 1 : 0);
        QCOMPARE(play.fixture.sound->played(), QStringList{QStringLiteral("gong.wav")});
    }

    // Mashing a key as strength runs out: one collapse, two boxes, two days, back at the hub;
    // the keys that land on the boxes and on the screen after it has closed count for nothing.
    void keysMashedAcrossTheEndOfASession_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("key");
        QTest::newRow("sandbag") << "SandBag"
                                 << "D";
        QTest::newRow("punching ball") << "PunchingBall"
                                       << "Space";
    }
    void keysMashedAcrossTheEndOfASession()
    {
        QFETCH(QString, screen);
        QFETCH(QString, key);
        BoxedPlay play;
        QWidget &form = play.open(screen);
        GameState &state = play.fixture.state();
        state.Chara(CharaTable::PlayerRow, CharaTable::Strength) = 16;
        const int day = state.varNowDate.toInt();
        play.boxes->keys = QList<int>(5, keyCode(key));

        for (int i = 0; i < 12; ++i)
            pressAndRelease(keyReceiver(form), keyCode(key));

        QCOMPARE(play.boxes->messageTexts(),
                 (QStringList{QStringLiteral("練習中に力つきて救急車で運ばれた・・・。"),
                              QStringLiteral("二日後・・・")}));
        QCOMPARE(play.boxes->changedUnderKeys, 0);
        QCOMPARE(state.varNowDate.toInt(), day + 2);
        QVERIFY(!form.isVisible());
        QVERIFY(play.fixture.game->hub().isVisible());
        QVERIFY(!play.fixture.game->form(QStringLiteral("Spar")));
    }

    // While the chairman explains, the screen waits disabled: its keys neither punch nor guard.
    void keysDoNothingBehindTheInstructions_data()
    {
        addTrainingKeyRows();
    }
    void keysDoNothingBehindTheInstructions()
    {
        QFETCH(QString, screen);
        QFETCH(QString, key);
        BoxedPlay play;
        QWidget &form = play.open(screen, true);
        QVERIFY(play.fixture.game->instructions() && play.fixture.game->instructions()->isVisible());
        const QJsonObject before = gameStateToJson(play.fixture.state());

        pressAndRelease(&form, keyCode(key));

        QCOMPARE(gameStateToJson(play.fixture.state()), before);
        QVERIFY(play.fixture.sound->played().isEmpty());
    }

    // The fight's guard stays down behind the chairman's words before a bout.
    void spaceDoesNotGuardBehindTheInstructions()
    {
        BoxedPlay play;
        startCareer(play.fixture);
        play.fixture.state().varNextDate = 1;
        play.fixture.game->hub().subOriginal();
        Spar &spar = play.fixture.game->spar();
        QVERIFY(play.fixture.game->instructions() && play.fixture.game->instructions()->isVisible());
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(&spar, &press);
        QVERIFY(!spar.isGuarding());
    }
};

QTEST_MAIN(KeysBehindBoxesTest)
#include "test_keys_behind_boxes.moc"
