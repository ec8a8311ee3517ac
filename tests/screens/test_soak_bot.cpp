#include "support/Careers.h"

#include "SoakBot.h"
#include "hub/MainCommand.h"
#include "title/frmMain.h"

#include <QTest>

// The soak bot's rule for the screen in charge, which it checks after every step.
class SoakBotTest : public QObject
{
    Q_OBJECT
private slots:
    void theTitleIsInChargeAtStartAndTheHubAfterANewCareer()
    {
        GameFixture fixture;
        fixture.game->openTitle();
        QCOMPARE(SoakBot::screensInCharge(*fixture.game), QList<QWidget *>{fixture.game->title()});
        startCareer(fixture);
        QCOMPARE(SoakBot::screensInCharge(*fixture.game), QList<QWidget *>{&fixture.game->hub()});
    }

    // A disabled screen with another one shown over it hands the charge to that one, as
    // the hub does to an information screen or a file dialog.
    void aDisabledScreenHandsTheChargeToTheOneOverIt()
    {
        GameFixture fixture;
        startCareer(fixture);
        MainCommand &hub = fixture.game->hub();
        hub.setEnabled(false);
        frmMain &over = fixture.game->openTitle();
        QCOMPARE(SoakBot::screensInCharge(*fixture.game), QList<QWidget *>{&over});
        // Both usable at once is two screens in charge, which the bot reports.
        hub.setEnabled(true);
        QCOMPARE(SoakBot::screensInCharge(*fixture.game).size(), 2);
        // Nothing shown is no screen in charge.
        over.hide();
        hub.hide();
        QVERIFY(SoakBot::screensInCharge(*fixture.game).isEmpty());
    }

    // An application-modal screen is in charge alone, though the screen behind stays enabled.
    void aModalScreenIsInChargeAlone()
    {
        GameFixture fixture;
        startCareer(fixture);
        frmMain &modal = fixture.game->openTitle();
        modal.hide();
        modal.setWindowModality(Qt::ApplicationModal);
        modal.show();
        QVERIFY(fixture.game->hub().isEnabled());
        QCOMPARE(SoakBot::screensInCharge(*fixture.game), QList<QWidget *>{&modal});
    }
};

QTEST_MAIN(SoakBotTest)
#include "test_soak_bot.moc"
