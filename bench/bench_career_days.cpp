// Plays careers headless on the virtual clock through the script driver, as
// `ringglory --script` would, and prints how many game days pass per second of wall time.
//
// The player is a plain, steady one: on the hub a sandbag workout, the punching ball,
// sparring and a rest in turn (a rest whenever strength runs low), the instructions
// turned off the first time each shows, and in every workout or bout a punch every
// 200 to 375 ms of game time, getting up at once when knocked down. Bouts come on their
// day by themselves. When a career ends (game over, or the world title won) a new game
// starts; the game's chance starts from the same seed in every game, so each game's
// player punches at its own pace and the careers differ.
//
// Usage: bench_career_days [DAYS]   (default 2000)
// The script driver's transcript is thrown away; BENCH_TRANSCRIPT=FILE keeps it there.

#include "app/ScriptedGame.h"
#include "SoakBot.h"
#include "platform/Transcript.h"
#include "platform/Twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <ctime>
#include <memory>

namespace {
QtMessageHandler qtHandler = nullptr;

// The offscreen platform notes every window it cannot give size hints to; that is no
// news for a benchmark, so only those notes are dropped.
void withoutSizeHintNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(QLatin1String("propagateSizeHints")))
        qtHandler(type, context, message);
}

constexpr int LowStrength = 24;
constexpr int FastestPunchMs = 200;
constexpr int PunchPaces = 8;
constexpr int PunchPaceStepMs = 25;
// Steps without a new day after which the player is taken to be stuck.
constexpr int StuckSteps = 20000;

struct Figures
{
    qint64 days = 0;
    qint64 games = 0;
    qint64 bouts = 0;
    qint64 steps = 0;
    qint64 gameMs = 0;
    bool transcriptErrors = false;
};

class CareerPlayer
{
public:
    explicit CareerPlayer(QTextStream &transcriptStream) : m_transcript(transcriptStream) {}

    // Plays until the given number of game days have passed; false if the player got stuck.
    bool play(qint64 days)
    {
        int stepsWithoutNewDay = 0;
        while (m_figures.days < days) {
            if (!m_play || m_play->game().hasEnded())
                newGame();
            const qint64 daysBefore = m_figures.days;
            step();
            countProgress();
            stepsWithoutNewDay = m_figures.days == daysBefore ? stepsWithoutNewDay + 1 : 0;
            if (stepsWithoutNewDay > StuckSteps)
                return false;
        }
        endGame();
        return true;
    }

    const Figures &figures() const { return m_figures; }
    QString screenInCharge() const
    {
        const QList<QWidget *> screens = m_play ? SoakBot::screensInCharge(m_play->game()) : QList<QWidget *>{};
        return screens.isEmpty() ? QStringLiteral("none") : screens.first()->objectName();
    }

private:
    void newGame()
    {
        endGame();
        ++m_figures.games;
        m_play = std::make_unique<ScriptedGame>(m_transcript);
        m_lastDay = 0;
        m_lastRecordCount = 0;
        m_hubTurn = 0;
        m_punchEveryMs = FastestPunchMs + PunchPaceStepMs * int(m_figures.games % PunchPaces);
    }

    void endGame()
    {
        if (!m_play)
            return;
        m_figures.gameMs += m_play->game().scheduler().now();
        m_figures.transcriptErrors = m_figures.transcriptErrors || m_transcript.hadErrors();
        m_play.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void run(const QString &line) { m_play->driver().runCommand(int(++m_figures.steps), line); }

    void step()
    {
        const QList<QWidget *> screens = SoakBot::screensInCharge(m_play->game());
        const QString screen = screens.isEmpty() ? QString() : screens.first()->objectName();
        if (screen == QStringLiteral("frmMain")) {
            run(QStringLiteral("input 山田"));
            run(QStringLiteral("input 東京"));
            run(QStringLiteral("click frmMain.Command1"));
        } else if (screen == QStringLiteral("MainCommand")) {
            run(QStringLiteral("click MainCommand.cmdCommand(%1)").arg(nextActivity()));
        } else if (screen == QStringLiteral("Setsumei")) {
            run(QStringLiteral("click Setsumei.Check1"));
            run(QStringLiteral("click Setsumei.Command1"));
        } else if (!screen.isEmpty()) {
            punch(*screens.first());
            run(QStringLiteral("wait %1").arg(m_punchEveryMs));
        } else {
            run(QStringLiteral("wait %1").arg(m_punchEveryMs));
        }
    }

    // Sandbag, punching ball, sparring, rest in turn; a rest whenever strength is low.
    int nextActivity()
    {
        const GameState &state = m_play->game().state();
        if (state.Chara(CharaTable::PlayerRow, CharaTable::Strength).toInt() < LowStrength)
            return 3;
        return m_hubTurn++ % 4;
    }

    // Clicks the screen's buttons in turn, getting up first when knocked down.
    void punch(QWidget &screen)
    {
        QList<QAbstractButton *> buttons;
        for (QAbstractButton *button : screen.findChildren<QAbstractButton *>())
            if (button->isVisible() && button->isEnabled())
                buttons.append(button);
        if (buttons.isEmpty())
            return;
        QAbstractButton *chosen = buttons[m_punchTurn++ % buttons.size()];
        for (QAbstractButton *button : buttons)
            if (button->objectName() == QStringLiteral("WakeUp"))
                chosen = button;
        run(QStringLiteral("click %1.%2").arg(screen.objectName(), chosen->objectName()));
    }

    void countProgress()
    {
        if (!m_play)
            return;
        const GameState &state = m_play->game().state();
        const int day = state.varNowDate.toInt();
        if (day > m_lastDay && m_lastDay > 0)
            m_figures.days += day - m_lastDay;
        m_lastDay = day;
        if (state.varSensekiCount > m_lastRecordCount)
            m_figures.bouts += state.varSensekiCount - m_lastRecordCount;
        m_lastRecordCount = state.varSensekiCount;
    }

    Transcript m_transcript;
    std::unique_ptr<ScriptedGame> m_play;
    Figures m_figures;
    int m_lastDay = 0;
    int m_lastRecordCount = 0;
    int m_hubTurn = 0;
    int m_punchTurn = 0;
    int m_punchEveryMs = FastestPunchMs;
};
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(withoutSizeHintNotes);
    QApplication app(argc, argv);
    // As `ringglory --script` sets the game up.
    QApplication::setApplicationName(QStringLiteral("RingGlory"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(gothicFont(9, false));
    const qint64 days = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 2000;

    QFile transcriptFile(qEnvironmentVariable("BENCH_TRANSCRIPT", QStringLiteral("/dev/null")));
    if (!transcriptFile.open(QIODevice::WriteOnly))
        return 1;
    QTextStream transcript(&transcriptFile);
    // Saves stay out of the caller's folder.
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());

    CareerPlayer player(transcript);
    QElapsedTimer wall;
    wall.start();
    const std::clock_t cpuStart = std::clock();
    const bool finished = player.play(days);
    const double cpuMs = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double wallMs = double(wall.nsecsElapsed()) / 1e6;

    QTextStream out(stdout);
    if (!finished) {
        out << "stuck on " << player.screenInCharge() << " after " << player.figures().days << " days\n";
        return 1;
    }
    const Figures &figures = player.figures();
    out << "game days: " << figures.days << ", bouts: " << figures.bouts << ", games: " << figures.games
        << ", script lines: " << figures.steps << '\n';
    out << "game time: " << QString::number(double(figures.gameMs) / 3.6e6, 'f', 1) << " h, wall time: "
        << QString::number(wallMs / 1000.0, 'f', 2) << " s\n";
    out << "career days per second: " << QString::number(1000.0 * double(figures.days) / wallMs, 'f', 1) << '\n';
    out << "CPU ms per day: " << QString::number(cpuMs / double(figures.days), 'f', 2) << '\n';
    if (figures.transcriptErrors)
        out << "note: the script driver reported errors (a command it could not run)\n";
    return 0;
}
