#include "support/Careers.h"
#include "support/GameFixture.h"

#include "hub/ActivityScreen.h"
#include "hub/MainCommand.h"
#include "training/PunchingBall.h"
#include "training/SandBag.h"
#include "training/Setsumei.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>

Q_DECLARE_METATYPE(Cell)

namespace {
// Stands in for the fight screen: counts how often the dialog holds and releases it.
class FakeActivity : public QWidget, public ActivityScreen
{
public:
    QWidget *form() override { return this; }
    void subOriginal() override {}
    void holdActivity() override { ++holds; }
    void releaseActivity() override { ++releases; }
    int holds = 0;
    int releases = 0;
};

void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct Career
{
    Career() { startCareer(fixture); }

    // Presses the hub's training button for the activity (0 sandbag, 1 punching ball).
    QWidget *train(Activity activity)
    {
        fixture.game->hub()
            .findChild<QAbstractButton *>(QStringLiteral("cmdCommand(%1)").arg(activity))
            ->click();
        return fixture.game->activityScreen(activity)->form();
    }
    Setsumei *dialog() { return fixture.game->instructions(); }
    QString explanationShown()
    {
        return dialog()->findChild<QPlainTextEdit *>(QStringLiteral("lblSetsumei"))->toPlainText();
    }
    void tick() { dialog()->findChild<QCheckBox *>(QStringLiteral("Check1"))->setChecked(true); }
    void ok()
    {
        dialog()->findChild<QAbstractButton *>(QStringLiteral("Command1"))->click();
        deleteClosedWindows();
    }
    // Lets a workout run to its end and come back to the hub.
    void finishWorkout() { fixture.game->scheduler().advance(18000); }
    qint64 ballInterval()
    {
        return fixture.game->punchingBall().scriptState()["BallMoveTimer"].toObject()["interval"].toInteger();
    }
    QString clockShown(QWidget *screen)
    {
        return screen->findChild<QLabel *>(QStringLiteral("TimerWatch"))->text();
    }

    GameFixture fixture;
};
} // namespace

class SetsumeiTest : public QObject
{
    Q_OBJECT
private slots:
    void trainingWaitsForTheChairman_data()
    {
        QTest::addColumn<int>("activity");
        QTest::addColumn<QString>("beginning");
        QTest::newRow("sandbag") << int(ActivitySandBag) << "サンドバッグのある位置にパンチするのだ！";
        QTest::newRow("punching ball") << int(ActivityPunchingBall) << "まずは一発パンチを当てるのじゃ！";
    }
    // While the dialog is open the workout's clock stands at 3:00 and its screen takes no
    // clicks; after OK the gong rings and the clock runs from 3:00.
    void trainingWaitsForTheChairman()
    {
        QFETCH(int, activity);
        QFETCH(QString, beginning);
        Career career;
        QWidget *screen = career.train(static_cast<Activity>(activity));
        QVERIFY(career.dialog());
        QVERIFY(career.dialog()->isVisible());
        QCOMPARE(career.dialog()->windowTitle(), QStringLiteral("チュートリアル"));
        QVERIFY(career.explanationShown().startsWith(beginning));
        QVERIFY(career.explanationShown().endsWith(QStringLiteral("とにかくやってみるのじゃ！")));
        QCOMPARE(career.fixture.state().varSetsumeiNo, Cell(activity));
        QVERIFY(screen->isVisible());
        QVERIFY(!screen->isEnabled());
        QVERIFY(!career.fixture.game->hub().isVisible());
        QVERIFY(career.fixture.sound->played().isEmpty());

        career.fixture.game->scheduler().advance(5000);
        QCOMPARE(career.clockShown(screen), QStringLiteral("3:00"));
        if (activity == ActivityPunchingBall)
            QCOMPARE(career.ballInterval(), 350);

        career.ok();
        QVERIFY(!career.dialog());
        QVERIFY(screen->isEnabled());
        QCOMPARE(career.fixture.sound->played(), QStringList{"gong.wav"});
        career.fixture.game->scheduler().advance(99);
        QCOMPARE(career.clockShown(screen), QStringLiteral("3:00"));
        career.fixture.game->scheduler().advance(1);
        QCOMPARE(career.clockShown(screen), QStringLiteral("2:59"));
        if (activity == ActivityPunchingBall) {
            career.fixture.game->scheduler().advance(250);
            QCOMPARE(career.ballInterval(), 345);
        }
        // The unticked box leaves the instructions on.
        QCOMPARE(career.fixture.state().varSetsumeiOff, (std::array<qint16, 4>{0, 0, 0, 0}));
    }

    // Switching the sandbag's instructions off keeps them off for the rest of the career,
    // and the punching ball's still appear.
    void checkBoxTurnsOffOneActivityOnly()
    {
        Career career;
        career.train(ActivitySandBag);
        career.tick();
        career.ok();
        QCOMPARE(career.fixture.state().varSetsumeiOff, (std::array<qint16, 4>{1, 0, 0, 0}));

        for (int day = 0; day < 3; ++day) {
            career.finishWorkout();
            career.fixture.sound->clear();
            QWidget *screen = career.train(ActivitySandBag);
            QVERIFY(!career.dialog());
            QVERIFY(screen->isEnabled());
            QCOMPARE(career.fixture.sound->played(), QStringList{"gong.wav"});
        }
        career.finishWorkout();

        QWidget *ball = career.train(ActivityPunchingBall);
        QVERIFY(career.dialog());
        QVERIFY(!ball->isEnabled());
        // A new dialog: its box starts unticked whatever the last one showed.
        QVERIFY(!career.dialog()->findChild<QCheckBox *>(QStringLiteral("Check1"))->isChecked());
        career.ok();
        QCOMPARE(career.fixture.state().varSetsumeiOff, (std::array<qint16, 4>{1, 0, 0, 0}));
    }

    // Closing the dialog from its title bar must not leave the workout paused and disabled.
    void closeBoxActsAsOk()
    {
        Career career;
        QWidget *screen = career.train(ActivityPunchingBall);
        QPointer<Setsumei> dialog = career.dialog();
        career.tick();
        dialog->close();
        deleteClosedWindows();
        QVERIFY(!dialog);
        QVERIFY(screen->isEnabled());
        QCOMPARE(career.fixture.sound->played(), QStringList{"gong.wav"});
        QCOMPARE(career.fixture.state().varSetsumeiOff, (std::array<qint16, 4>{0, 1, 0, 0}));
        career.fixture.game->scheduler().advance(100);
        QCOMPARE(career.clockShown(screen), QStringLiteral("2:59"));
    }

    // The chairman's OK is the one answer the dialog waits for: the keyboard gives it too.
    void returnKeyPressesOk()
    {
        Career career;
        QWidget *screen = career.train(ActivitySandBag);
        QPointer<Setsumei> dialog = career.dialog();
        QWidget *focus = dialog->focusWidget();
        QVERIFY(focus);
        QCOMPARE(focus->objectName(), QStringLiteral("Command1"));
        QTest::keyClick(focus, Qt::Key_Return);
        deleteClosedWindows();
        QVERIFY(!dialog);
        QVERIFY(screen->isEnabled());
    }

    // Sparring and the bout have flags of their own; the sparring text has two paragraphs.
    void sparringAndBoutKeepSeparateFlags()
    {
        Career career;
        GameState &state = career.fixture.state();
        FakeActivity spar;

        state.varSetsumeiNo = ActivitySparring;
        QPointer<Setsumei> sparring = new Setsumei(*career.fixture.game, &spar);
        sparring->show();
        QCOMPARE(spar.holds, 1);
        const QStringList paragraphs = sparring->findChild<QPlainTextEdit *>(QStringLiteral("lblSetsumei"))
                                           ->toPlainText()
                                           .split(QLatin1Char('\n'));
        QCOMPARE(paragraphs.size(), 2);
        QVERIFY(paragraphs[0].startsWith(QStringLiteral("相手のガードが空いているところに")));
        QVERIFY(paragraphs[0].endsWith(QStringLiteral("要注意じゃ！")));
        QVERIFY(paragraphs[1].startsWith(QStringLiteral("もしダウンしてしまったら")));
        QCOMPARE(Setsumei::explanation(ActivitySparring), paragraphs.join(QStringLiteral("\r\n")));
        spar.setEnabled(false);
        sparring->findChild<QCheckBox *>(QStringLiteral("Check1"))->setChecked(true);
        sparring->findChild<QAbstractButton *>(QStringLiteral("Command1"))->click();
        deleteClosedWindows();
        QVERIFY(!sparring);
        QCOMPARE(spar.releases, 1);
        QVERIFY(spar.isEnabled());
        QCOMPARE(state.varSetsumeiOff, (std::array<qint16, 4>{0, 0, 1, 0}));

        state.varSetsumeiNo = ActivityBout;
        QPointer<Setsumei> bout = new Setsumei(*career.fixture.game, &spar);
        bout->show();
        QVERIFY(bout->findChild<QPlainTextEdit *>(QStringLiteral("lblSetsumei"))
                    ->toPlainText()
                    .startsWith(QStringLiteral("ついに試合じゃ！")));
        bout->findChild<QAbstractButton *>(QStringLiteral("Command1"))->click();
        deleteClosedWindows();
        QCOMPARE(spar.holds, 2);
        QCOMPARE(spar.releases, 2);
        QCOMPARE(state.varSetsumeiOff, (std::array<qint16, 4>{0, 0, 1, 0}));
        QCOMPARE(career.fixture.sound->played(), (QStringList{"gong.wav", "gong.wav"}));
    }

    // Through the hub and the real fight screen: switching sparring's instructions off leaves
    // the bout's, and a bout whose instructions are off starts without the dialog or a gong.
    void fightDayFollowsTheBoutsOwnFlag_data()
    {
        QTest::addColumn<qint16>("boutFlag");
        QTest::newRow("bout instructions on") << qint16(0);
        QTest::newRow("bout instructions off") << qint16(1);
    }
    void fightDayFollowsTheBoutsOwnFlag()
    {
        QFETCH(qint16, boutFlag);
        Career career;
        GameState &state = career.fixture.state();
        state.varSetsumeiOff = {0, 0, 1, boutFlag};

        QWidget *spar = career.train(ActivitySparring);
        QVERIFY(!career.dialog());
        QVERIFY(spar->isEnabled());
        QCOMPARE(career.fixture.sound->played(), QStringList{QStringLiteral("gong.wav")});
        career.fixture.sound->clear();

        state.varNextDate = 1;
        career.fixture.game->hub().subOriginal();
        QCOMPARE(state.varSparMode, qint16(SparModeBout));
        QVERIFY(spar->isVisible());
        if (boutFlag == 0) {
            QVERIFY(career.dialog());
            QCOMPARE(state.varSetsumeiNo, Cell(ActivityBout));
            QVERIFY(!spar->isEnabled());
            // The round clock waits for the chairman.
            career.fixture.game->scheduler().advance(5000);
            QCOMPARE(career.clockShown(spar), QStringLiteral("3:00"));
            career.ok();
            QCOMPARE(career.fixture.sound->played(), QStringList{QStringLiteral("gong.wav")});
        } else {
            QVERIFY(!career.dialog());
            QVERIFY(career.fixture.sound->played().isEmpty());
        }
        QVERIFY(spar->isEnabled());
        career.fixture.game->scheduler().advance(1000);
        QCOMPARE(career.clockShown(spar), QStringLiteral("2:50"));
    }

    void unknownActivityHoldsNothing_data()
    {
        QTest::addColumn<Cell>("number");
        QTest::newRow("never set") << Cell();
        QTest::newRow("beyond the bout") << Cell(4);
        QTest::newRow("negative") << Cell(-1);
    }
    // A value no activity has (as a career file may hold) opens an empty dialog that writes no flag.
    void unknownActivityHoldsNothing()
    {
        QFETCH(Cell, number);
        Career career;
        GameState &state = career.fixture.state();
        state.varSetsumeiNo = number;
        Setsumei &dialog = career.fixture.game->openInstructions();
        QVERIFY(dialog.findChild<QPlainTextEdit *>(QStringLiteral("lblSetsumei"))->toPlainText().isEmpty());
        career.tick();
        career.ok();
        QVERIFY(!career.dialog());
        QCOMPARE(state.varSetsumeiOff, (std::array<qint16, 4>{0, 0, 0, 0}));
        QCOMPARE(career.fixture.sound->played(), QStringList{"gong.wav"});
    }
};

QTEST_MAIN(SetsumeiTest)
#include "test_setsumei.moc"
