// Start-up and memory of the real game under a real display (run it under xvfb-run -a).
// Starts the game as main() does (the same application settings, Qt sound, the wall
// clock) and prints
//   - the time from the start of the process to the first painted title screen, both
//     from the kernel's start time of the process (10 ms resolution) and from this
//     program's first static initialiser;
//   - resident memory (VmRSS) on the title screen, on the hub and on the fight screen.
// The boxes are answered by a scripted prompter and the settings stay in memory, so the
// program reaches the hub through the real New Game without touching the player's own
// record. The fight screen is reached through the hub's sparring button with its
// instructions switched off; while the game has no fight screen that figure says so.
#include "app/Game.h"
#include "app/GamePorts.h"
#include "hub/MainCommand.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Twips.h"
#include "platform/WallClockDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;

// Taken while the program's statics are initialised, before main() and before Qt starts.
const Clock::time_point firstInitialiser = Clock::now();

// Milliseconds since the kernel started this process, from /proc/self/stat (clock ticks since boot).
double msSinceProcessStart()
{
    QFile file(QStringLiteral("/proc/self/stat"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray stat = file.readAll();
    // The command name in parentheses may hold spaces; the fields after it are plain.
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    // Field 22 of the whole line, the start time, is the 20th after the name.
    const double startTicks = fields.value(19).toDouble();
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
    return nowMs - startTicks * 1000.0 / double(sysconf(_SC_CLK_TCK));
}

double msSinceFirstInitialiser()
{
    return std::chrono::duration<double, std::milli>(Clock::now() - firstInitialiser).count();
}

// Where the start-up time goes: milliseconds after the first initialiser at each stage.
struct Stages
{
    double mainEntered = 0;
    double applicationMade = 0;
    double gameMade = 0;
    double titleShown = 0;
};
Stages stages;

// Resident and peak resident memory in kB, from /proc/self/status.
std::pair<long, long> residentKb()
{
    QFile file(QStringLiteral("/proc/self/status"));
    long rss = -1;
    long peak = -1;
    if (!file.open(QIODevice::ReadOnly))
        return {rss, peak};
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.value(0) == "VmRSS:")
            rss = words.value(1).toLong();
        else if (words.value(0) == "VmHWM:")
            peak = words.value(1).toLong();
    }
    return {rss, peak};
}

void printResident(const char *where)
{
    const auto [rss, peak] = residentKb();
    std::printf("resident on the %-12s %8.1f MB (peak so far %.1f MB)\n", where, double(rss) / 1024.0,
                double(peak) / 1024.0);
    std::fflush(stdout);
}

// Calls back once a window of the given screen has been painted and the paint has been
// flushed to the display: the first paint event starts a pass that ends before the next
// turn of the event loop.
class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget *screen, std::function<void()> done) : m_screen(screen), m_done(std::move(done))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->window() == m_screen) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { m_done(); });
        }
        return false;
    }

private:
    QWidget *m_screen;
    std::function<void()> m_done;
};

// How long each screen is left standing before its memory is read, so lazy set-up is counted.
constexpr int SettleMs = 500;

class StartupBench
{
public:
    StartupBench() : m_game(ports()), m_driver(m_game.scheduler()) { stages.gameMade = msSinceFirstInitialiser(); }

    void start()
    {
        m_watch = std::make_unique<FirstPaint>(&m_game.openTitle(), [this] { titlePainted(); });
        stages.titleShown = msSinceFirstInitialiser();
    }

private:
    Game::Ports ports()
    {
        Game::Ports ports = realPorts();
        auto prompter = std::make_unique<ScriptedPrompter>();
        m_prompter = prompter.get();
        ports.prompter = std::move(prompter);
        ports.settings = std::make_unique<MemorySettings>();
        ports.terminator = std::make_unique<RecordingTerminator>();
        return ports;
    }

    void titlePainted()
    {
        const double fromExec = msSinceProcessStart();
        const double fromInit = msSinceFirstInitialiser();
        std::printf("first painted title screen %8.1f ms after the process started (kernel start time, +-10 ms)\n",
                    fromExec);
        std::printf("first painted title screen %8.1f ms after the first static initialiser\n", fromInit);
        std::printf("  main() entered %.1f, application made %.1f, game and its ports made %.1f, title shown %.1f\n",
                    stages.mainEntered, stages.applicationMade, stages.gameMade, stages.titleShown);
        std::fflush(stdout);
        QTimer::singleShot(SettleMs, [this] {
            printResident("title screen");
            openHub();
        });
    }

    void openHub()
    {
        m_prompter->queueInput(QStringLiteral("山田"));
        m_prompter->queueInput(QStringLiteral("東京"));
        m_watch = std::make_unique<FirstPaint>(&m_game.hub(), [this] {
            QTimer::singleShot(SettleMs, [this] {
                printResident("hub");
                measureFightScreen();
            });
        });
        m_game.title()->findChild<QAbstractButton *>(QStringLiteral("Command1"))->click();
    }

    // Sparring from the hub, with the instructions skipped so the fight screen runs at once.
    void measureFightScreen()
    {
        m_game.state().varSetsumeiOff.fill(1);
        m_game.hub().findChild<QAbstractButton *>(QStringLiteral("cmdCommand(2)"))->click();
        QWidget *spar = m_game.form(QStringLiteral("Spar"));
        if (!spar || !spar->isVisible()) {
            std::printf("resident on the fight screen: not measured, the game has no fight screen yet\n");
            QApplication::exit(0);
            return;
        }
        m_watch = std::make_unique<FirstPaint>(spar, [] {
            QTimer::singleShot(SettleMs, [] {
                printResident("fight screen");
                QApplication::exit(0);
            });
        });
    }

    // Set while the game's ports are made, so it stands before the game.
    ScriptedPrompter *m_prompter = nullptr;
    Game m_game;
    WallClockDriver m_driver;
    std::unique_ptr<FirstPaint> m_watch;
};
} // namespace

int main(int argc, char **argv)
{
    stages.mainEntered = msSinceFirstInitialiser();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("RingGlory"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(gothicFont(9, false));
    stages.applicationMade = msSinceFirstInitialiser();
    StartupBench bench;
    bench.start();
    return QApplication::exec();
}
