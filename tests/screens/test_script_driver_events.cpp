// Between two commands the script driver gives the game what its event loop would give it
// between a player's inputs: a screen that closed itself is gone, and what the widgets
// asked for is done (left waiting, such requests piled up and slowed every command).
#include "app/ScriptDriver.h"
#include "platform/Transcript.h"
#include "support/GameFixture.h"

#include <QCoreApplication>
#include <QTest>

namespace {
// Counts the events delivered while it watches the application.
class EventCounter : public QObject
{
public:
    int delivered = 0;

protected:
    bool eventFilter(QObject *, QEvent *) override
    {
        ++delivered;
        return false;
    }
};

int eventsLeftWaiting()
{
    EventCounter counter;
    qApp->installEventFilter(&counter);
    QCoreApplication::sendPostedEvents();
    qApp->removeEventFilter(&counter);
    return counter.delivered;
}
} // namespace

class TestScriptDriverEvents : public QObject
{
    Q_OBJECT
private slots:
    void requestsDoNotPileUpOverAWorkout()
    {
        // The transcript outlives the game, which writes to it as its screens go.
        QString output;
        QTextStream stream(&output);
        Transcript transcript(stream);
        GameFixture fixture;
        fixture.game->setTranscript(&transcript);
        fixture.game->openTitle();
        ScriptDriver driver(*fixture.game, *fixture.prompter, transcript);

        QStringList lines = {
            QStringLiteral("input 山田"),
            QStringLiteral("input 東京"),
            QStringLiteral("click frmMain.Command1"),
            QStringLiteral("click MainCommand.cmdCommand(0)"),
            QStringLiteral("click Setsumei.Command1"),
        };
        for (int punch = 0; punch < 50; ++punch)
            lines << QStringLiteral("click SandBag.Punch(%1)").arg(punch % 3) << QStringLiteral("wait 300");
        int lineNumber = 0;
        for (const QString &line : lines) {
            driver.runCommand(++lineNumber, line);
            if (line == QStringLiteral("click Setsumei.Command1"))
                QVERIFY(!fixture.game->instructions()); // closed, and deleted already
        }
        QVERIFY2(!transcript.hadErrors(), qPrintable(output));
        // A drain can leave what was asked for while it ran, but never a backlog.
        const int left = eventsLeftWaiting();
        QVERIFY2(left <= 10, qPrintable(QStringLiteral("%1 events were left waiting").arg(left)));
    }
};

QTEST_MAIN(TestScriptDriverEvents)
#include "test_script_driver_events.moc"
