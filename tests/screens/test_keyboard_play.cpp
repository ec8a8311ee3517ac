// Keys stand for the buttons of the fight and the training screens: each goes through the
// button's own click, counts once however long it is held, and does nothing where the
// button could not be clicked. Space guards as the mouse on the guard circle does, clicks
// WakeUp, and with the rise assist holds it down as a hammering player would.
#include "app/ScriptDriver.h"
#include "data/GameStateJson.h"
#include "hub/MainCommand.h"
#include "match/Spar.h"
#include "match/core/MatchRules.h"
#include "platform/ShapeWidget.h"
#include "platform/Transcript.h"
#include "support/Careers.h"
#include "support/Matches.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
const QString Rose = QStringLiteral("会長「よっしゃ！よく立った！！」");

// A game played through the script driver, so keys reach the screens as a player's do.
struct KeyPlay
{
    explicit KeyPlay(QList<double> draws) : fixture(draws), stream(&output), transcript(stream)
    {
        driver = std::make_unique<ScriptDriver>(*fixture.game, *fixture.prompter, transcript);
    }

    void run(const QString &line) { driver->runCommand(++lineNumber, line); }
    QJsonObject state() const { return gameStateToJson(fixture.game->state()); }
    Spar &spar() { return fixture.game->spar(); }
    QWidget &open(const QString &screen)
    {
        if (screen == QLatin1String("Spar"))
            return startFirstBout(fixture);
        startCareer(fixture);
        GameState &state = fixture.state();
        state.varSetsumeiOff[ActivitySandBag] = 1;
        state.varSetsumeiOff[ActivityPunchingBall] = 1;
        const bool bag = screen == QLatin1String("SandBag");
        clickOn(&fixture.game->hub(), bag ? QStringLiteral("cmdCommand(0)") : QStringLiteral("cmdCommand(1)"));
        fixture.sound->clear();
        return *fixture.game->form(screen);
    }
    void setOptions(GameOptions::RiseAssist rise, GameOptions::GuardCue cue)
    {
        GameOptions options;
        options.riseAssist = rise;
        options.guardCue = cue;
        fixture.game->setOptions(options);
    }

    GameFixture fixture;
    QString output;
    QTextStream stream;
    Transcript transcript;
    std::unique_ptr<ScriptDriver> driver;
    int lineNumber = 0;
};

// Brings the player to 1 strength and waits for the opponent's next punch to drop them.
bool knockDownPlayer(KeyPlay &play)
{
    Spar &spar = play.spar();
    play.fixture.state().Chara(CharaTable::PlayerRow, CharaTable::Strength) = 1;
    for (int waited = 0; waited < 3000; waited += 10) {
        play.fixture.game->scheduler().advance(10);
        if (spar.varMyDownAll > 0)
            return true;
    }
    return false;
}

QPushButton *wakeUp(Spar &spar)
{
    return spar.findChild<QPushButton *>(QStringLiteral("WakeUp"));
}
} // namespace

class KeyboardPlayTest : public QObject
{
    Q_OBJECT
private slots:
    // The same game, one clicking and one pressing the key, ends in the same state with the same sounds.
    void keyActsAsItsButton_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("control");
        QTest::newRow("fight F") << "Spar" << "F" << "LeftPunch(1)";
        QTest::newRow("fight V") << "Spar" << "V" << "LeftPunch(3)";
        QTest::newRow("fight J") << "Spar" << "J" << "RightPunch(1)";
        QTest::newRow("fight N") << "Spar" << "N" << "RightPunch(3)";
        QTest::newRow("sandbag A") << "SandBag" << "A" << "Punch(0)";
        QTest::newRow("sandbag S") << "SandBag" << "S" << "Punch(1)";
        QTest::newRow("sandbag D") << "SandBag" << "D" << "Punch(2)";
        QTest::newRow("sandbag K") << "SandBag" << "K" << "Punch(3)";
        QTest::newRow("sandbag L") << "SandBag" << "L" << "Punch(4)";
        QTest::newRow("punching ball Space") << "PunchingBall" << "Space" << "Punch";
    }
    void keyActsAsItsButton()
    {
        QFETCH(QString, screen);
        QFETCH(QString, key);
        QFETCH(QString, control);
        KeyPlay clicking({0.3, 0.7});
        KeyPlay keying({0.3, 0.7});
        for (KeyPlay *play : {&clicking, &keying}) {
            play->open(screen);
            // The opponent's guards are up, so a fight punch has a table to land by.
            play->fixture.state().varEnGuardR = 2;
            play->fixture.state().varEnGuardL = 2;
        }
        const QJsonObject before = keying.state();

        clicking.run(QStringLiteral("click %1.%2").arg(screen, control));
        keying.run(QStringLiteral("key %1 %2").arg(screen, key));

        QVERIFY2(!keying.transcript.hadErrors(), qPrintable(keying.output));
        QVERIFY(keying.state() != before);
        QCOMPARE(keying.state(), clicking.state());
        QCOMPARE(keying.fixture.sound->played(), clicking.fixture.sound->played());
    }

    // A held key is one press: the keyboard's repeats and a repeat alone count for nothing.
    void autoRepeatIsIgnored()
    {
        KeyPlay play({0.5});
        play.open(QStringLiteral("SandBag"));
        play.run(QStringLiteral("keydown SandBag A"));
        for (int i = 0; i < 5; ++i)
            play.run(QStringLiteral("keyrepeat SandBag A"));
        play.run(QStringLiteral("keyup SandBag A"));
        play.run(QStringLiteral("keyrepeat SandBag S"));
        QVERIFY2(!play.transcript.hadErrors(), qPrintable(play.output));
        GameState &state = play.fixture.state();
        QCOMPARE(state.varBagHit.toInt() + state.varBagMiss, 1);
        QCOMPARE(play.fixture.sound->played().size(), 1);
    }

    // An X server repeats a held key as a release and a press with one timestamp, which Qt
    // does not always mark as a repeat: such a pair neither punches again nor drops the guard.
    void repeatPairWithOneTimestampIsIgnored()
    {
        KeyPlay play({0.5});
        QWidget &bag = play.open(QStringLiteral("SandBag"));
        auto send = [&bag](QEvent::Type type, int key, quint64 stamp) {
            QKeyEvent event(type, key, Qt::NoModifier, QString(), false);
            event.setTimestamp(stamp);
            QCoreApplication::sendEvent(&bag, &event);
        };
        send(QEvent::KeyPress, Qt::Key_A, 1000);
        for (quint64 stamp = 1660; stamp < 1900; stamp += 40) {
            send(QEvent::KeyRelease, Qt::Key_A, stamp);
            send(QEvent::KeyPress, Qt::Key_A, stamp);
        }
        send(QEvent::KeyRelease, Qt::Key_A, 2000);
        send(QEvent::KeyPress, Qt::Key_A, 2500);
        send(QEvent::KeyRelease, Qt::Key_A, 2600);
        // The key's release has counted, and then the keyboard's next pair arrives.
        send(QEvent::KeyRelease, Qt::Key_A, 2640);
        send(QEvent::KeyPress, Qt::Key_A, 2640);
        send(QEvent::KeyRelease, Qt::Key_A, 2700);
        QCOMPARE(play.fixture.state().varBagMiss, 2);

        KeyPlay fight({0.0});
        Spar &spar = static_cast<Spar &>(fight.open(QStringLiteral("Spar")));
        auto sendSpace = [&spar](QEvent::Type type, quint64 stamp) {
            QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), false);
            event.setTimestamp(stamp);
            QCoreApplication::sendEvent(&spar, &event);
        };
        sendSpace(QEvent::KeyPress, 1000);
        sendSpace(QEvent::KeyRelease, 1660);
        sendSpace(QEvent::KeyPress, 1660);
        QVERIFY(spar.isGuarding());
        // A press while the key is down, with no release between, is a repeat too.
        sendSpace(QEvent::KeyPress, 1700);
        QVERIFY(spar.isGuarding());
        // A real release ends the guard once the moment for a repeat's press has passed.
        sendSpace(QEvent::KeyRelease, 2000);
        QTRY_VERIFY_WITH_TIMEOUT(!spar.isGuarding(), 1000);
        // A press stamped like that release came too late: the key was held, the guard goes on.
        sendSpace(QEvent::KeyPress, 2000);
        QVERIFY(spar.isGuarding());
        sendSpace(QEvent::KeyRelease, 2500);
        QTRY_VERIFY_WITH_TIMEOUT(!spar.isGuarding(), 1000);
    }

    // Space held is the mouse resting on the guard circle: the opponent's punch is cut to the
    // guarded damage; let go, the guard is the mouse's again. A focused button never takes Space.
    void heldSpaceGuards_data()
    {
        QTest::addColumn<int>("mouseX");
        QTest::addColumn<bool>("releaseSpace");
        QTest::addColumn<int>("damage");
        QTest::newRow("held, mouse away") << 100 << false << 3;
        QTest::newRow("released, mouse away") << 100 << true << 9;
        QTest::newRow("released, mouse on the circle") << 2227 << true << 3;
        QTest::newRow("held, mouse on the circle") << 2227 << false << 3;
    }
    void heldSpaceGuards()
    {
        QFETCH(int, mouseX);
        QFETCH(bool, releaseSpace);
        QFETCH(int, damage);
        KeyPlay play({0.999});
        Spar &spar = static_cast<Spar &>(play.open(QStringLiteral("Spar")));
        auto *focused = spar.findChild<QPushButton *>(QStringLiteral("LeftPunch(1)"));
        focused->setFocus();
        QCOMPARE(spar.focusWidget(), focused);
        const int opponentBefore = play.fixture.state().varEnHP.toInt();

        play.run(QStringLiteral("move Spar %1 4567").arg(mouseX));
        play.run(QStringLiteral("keydown Spar Space"));
        QVERIFY(spar.isGuarding());
        if (releaseSpace)
            play.run(QStringLiteral("keyup Spar Space"));
        play.run(QStringLiteral("wait 1040"));

        QVERIFY2(!play.transcript.hadErrors(), qPrintable(play.output));
        QCOMPARE(play.fixture.state().varMyDamage, damage);
        QCOMPARE(play.fixture.state().Chara(CharaTable::PlayerRow, CharaTable::Strength), Cell(500 - damage));
        QCOMPARE(play.fixture.state().varEnHP.toInt(), opponentBefore);
    }

    // While WakeUp shows, Space is a click on it: 立て！ while down, 休め！ between rounds.
    void spaceClicksWakeUp_data()
    {
        QTest::addColumn<bool>("interval");
        QTest::addColumn<QString>("caption");
        QTest::newRow("down") << false << QStringLiteral("立て！");
        QTest::newRow("between rounds") << true << QStringLiteral("休め！");
    }
    void spaceClicksWakeUp()
    {
        QFETCH(bool, interval);
        QFETCH(QString, caption);
        KeyPlay clicking({0.9});
        KeyPlay keying({0.9});
        for (KeyPlay *play : {&clicking, &keying}) {
            play->open(QStringLiteral("Spar"));
            if (interval) {
                play->fixture.state().Chara(CharaTable::PlayerRow, CharaTable::Strength) = 100000;
                play->run(QStringLiteral("wait 18000"));
            } else {
                QVERIFY(knockDownPlayer(*play));
            }
            QCOMPARE(wakeUp(play->spar())->text(), caption);
            QVERIFY(!wakeUp(play->spar())->isHidden());
        }
        const QJsonObject before = keying.state();

        clicking.run(QStringLiteral("click Spar.WakeUp"));
        keying.run(QStringLiteral("key Spar Space"));

        QVERIFY2(!keying.transcript.hadErrors(), qPrintable(keying.output));
        QCOMPARE(keying.fixture.state().varWakeUpCount, before["varWakeUpCount"].toInt() + 1);
        QCOMPARE(keying.state(), clicking.state());
        QVERIFY(!keying.spar().isGuarding());
    }

    // With the rise assist, WakeUp held from the knockdown counts a click at once and one
    // every 200 ms: 21 clicks by 4 s, before the count's tenth tick at 5 s. Let go early, the
    // clicks stop and the count runs out. Without the assist a hold is one click.
    void riseAssistHoldsWakeUp_data()
    {
        QTest::addColumn<bool>("assist");
        QTest::addColumn<bool>("byMouse");
        QTest::addColumn<int>("holdMs");
        QTest::addColumn<bool>("rises");
        QTest::addColumn<int>("clicks");
        QTest::newRow("Space held through") << true << false << 4500 << true << 0;
        QTest::newRow("mouse held through") << true << true << 4500 << true << 0;
        QTest::newRow("Space let go after 1 s") << true << false << 1000 << false << 6;
        QTest::newRow("mouse let go after 1 s") << true << true << 1000 << false << 6;
        QTest::newRow("no assist, Space held") << false << false << 4500 << false << 1;
        QTest::newRow("no assist, mouse held") << false << true << 4500 << false << 1;
    }
    void riseAssistHoldsWakeUp()
    {
        QFETCH(bool, assist);
        QFETCH(bool, byMouse);
        QFETCH(int, holdMs);
        QFETCH(bool, rises);
        QFETCH(int, clicks);
        KeyPlay play({0.0});
        Spar &spar = static_cast<Spar &>(play.open(QStringLiteral("Spar")));
        if (assist)
            play.setOptions(GameOptions::RiseAssist::Hold, GameOptions::GuardCue::Colour);
        QVERIFY(knockDownPlayer(play));
        play.fixture.prompter->clearRecord();

        if (byMouse)
            QTest::mousePress(wakeUp(spar), Qt::LeftButton);
        else
            play.run(QStringLiteral("keydown Spar Space"));
        play.run(QStringLiteral("wait %1").arg(holdMs));
        if (byMouse)
            QTest::mouseRelease(wakeUp(spar), Qt::LeftButton);
        else
            play.run(QStringLiteral("keyup Spar Space"));
        QVERIFY2(!play.transcript.hadErrors(), qPrintable(play.output));
        QVERIFY(!spar.riseAssistTimer().isEnabled());
        if (rises) {
            QCOMPARE(play.fixture.prompter->messageTexts(), QStringList{Rose});
            QCOMPARE(spar.varWinLose, int(WinLoseNone));
            QVERIFY(wakeUp(spar)->isHidden());
            QCOMPARE(play.fixture.state().varWakeUpCount, 0);
            return;
        }
        QCOMPARE(play.fixture.state().varWakeUpCount, clicks);
        play.run(QStringLiteral("wait 4500"));
        QCOMPARE(play.fixture.state().varWakeUpCount, clicks);
        QVERIFY(!play.fixture.prompter->messageTexts().contains(Rose));
        QCOMPARE(spar.varWinLose, int(WinLoseLoss));
    }

    // A key whose button is hidden or disabled does nothing, as a click would do nothing.
    void keyOfAnUnusableButtonDoesNothing_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("opponentDown");
        QTest::newRow("punches hidden while the player is down") << "F" << false;
        QTest::newRow("punches disabled while the opponent is down") << "J" << true;
    }
    void keyOfAnUnusableButtonDoesNothing()
    {
        QFETCH(QString, key);
        QFETCH(bool, opponentDown);
        KeyPlay play({0.0});
        Spar &spar = static_cast<Spar &>(play.open(QStringLiteral("Spar")));
        if (opponentDown) {
            play.fixture.state().varEnHP = 1;
            play.fixture.state().varEnGuardR = 1;
            play.run(QStringLiteral("click Spar.LeftPunch(3)"));
            QVERIFY(!spar.findChild<QWidget *>(QStringLiteral("RightPunch(1)"))->isEnabled());
        } else {
            QVERIFY(knockDownPlayer(play));
        }
        const QJsonObject before = play.state();
        play.fixture.sound->clear();

        play.run(QStringLiteral("key Spar %1").arg(key));

        QVERIFY2(!play.transcript.hadErrors(), qPrintable(play.output));
        QCOMPARE(play.state(), before);
        QVERIFY(play.fixture.sound->played().isEmpty());
    }

    // The outline cue adds a thick dark ring and "ガード中" while guarding and keeps the
    // guarding fill; the default cue looks as the guard always has.
    void guardCueOutline()
    {
        KeyPlay play({0.0});
        Spar &spar = static_cast<Spar &>(play.open(QStringLiteral("Spar")));
        auto *circle = spar.findChild<ShapeWidget *>(QStringLiteral("GuardCircle"));
        auto *caption = spar.findChild<QLabel *>(QStringLiteral("Label1"));
        auto edge = [circle] {
            // Two pixels inside the left end of the circle's middle row.
            const QImage image = circle->grab().toImage();
            const int side = std::min(image.width(), image.height());
            return image.pixelColor((image.width() - side) / 2 + 2, image.height() / 2);
        };

        play.run(QStringLiteral("keydown Spar Space"));
        const QColor guardingFill = circle->fill();
        QCOMPARE(caption->text(), QStringLiteral("ガード"));
        QVERIFY(edge().lightness() > 200);

        play.setOptions(GameOptions::RiseAssist::Off, GameOptions::GuardCue::Outline);
        QVERIFY(spar.isGuarding());
        QCOMPARE(circle->fill(), guardingFill);
        QCOMPARE(caption->text(), QStringLiteral("ガード中"));
        QVERIFY(edge().lightness() < 60);

        play.run(QStringLiteral("keyup Spar Space"));
        QVERIFY(!spar.isGuarding());
        QCOMPARE(caption->text(), QStringLiteral("ガード"));
        QVERIFY(edge().lightness() > 200);

        // The mouse on the circle shows the same cue.
        play.run(QStringLiteral("move Spar 2227 4567"));
        QCOMPARE(caption->text(), QStringLiteral("ガード中"));
        play.setOptions(GameOptions::RiseAssist::Off, GameOptions::GuardCue::Colour);
        QCOMPARE(caption->text(), QStringLiteral("ガード"));
        QVERIFY(spar.isGuarding());
    }

    // Key commands are refused where a click would be: no such key, a hidden screen.
    void keyCommandErrors_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown key") << "key Spar Punch" << "Punch is not a key";
        QTest::newRow("two keys") << "keydown Spar F,J" << "F,J is not a key";
        QTest::newRow("hidden screen") << "keyup MainCommand Space" << "is on a hidden screen";
        QTest::newRow("no such screen") << "keyrepeat Nowhere Space" << "Nowhere";
        QTest::newRow("missing key") << "key Spar" << "cannot run";
    }
    void keyCommandErrors()
    {
        QFETCH(QString, line);
        QFETCH(QString, error);
        KeyPlay play({0.0});
        play.open(QStringLiteral("Spar"));
        play.run(line);
        QVERIFY(play.transcript.hadErrors());
        QVERIFY2(play.output.contains(error), qPrintable(play.output));
    }
};

QTEST_MAIN(KeyboardPlayTest)
#include "test_keyboard_play.moc"
