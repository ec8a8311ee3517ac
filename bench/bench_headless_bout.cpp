// Plays whole 12-round bouts headless on the virtual clock, with a punch every second
// and the player too strong to be knocked down, and prints how fast they run.
// Usage: bench_headless_bout [BOUTS]   (default 20)

#include "BenchBout.h"
#include "app/Game.h"
#include "app/GamePorts.h"
#include "hub/MainCommand.h"
#include "match/Spar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <ctime>

namespace {
// Plays one bout to its end; returns the game time it took.
qint64 playBout(Game &game, const QList<QAbstractButton *> &punches)
{
    BenchBout::prepare(game.state());
    Spar &spar = game.spar();
    game.hub().hide();
    spar.subOriginal();
    spar.show();
    const qint64 start = game.scheduler().now();
    int next = 0;
    while (spar.isVisible() && game.scheduler().now() - start < BenchBout::TwelveRounds + 1000) {
        QAbstractButton *punch = punches[next++ % punches.size()];
        if (punch->isVisible() && punch->isEnabled())
            punch->click();
        game.scheduler().advance(1000);
        // What the script driver does between commands: the widgets' updates are done.
        QCoreApplication::sendPostedEvents();
    }
    return game.scheduler().now() - start;
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int bouts = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 20;

    ScriptedPrompter *prompter = nullptr;
    Game game(scriptedPorts(nullptr, &prompter));
    Spar &spar = game.spar();
    QList<QAbstractButton *> punches;
    for (const char *name : {"LeftPunch(1)", "RightPunch(3)", "RightPunch(1)", "LeftPunch(3)"})
        punches.append(spar.findChild<QAbstractButton *>(QString::fromLatin1(name)));

    // One bout first, so that fonts and widgets are warm.
    playBout(game, punches);

    qint64 gameTime = 0;
    QElapsedTimer wall;
    wall.start();
    const std::clock_t cpuStart = std::clock();
    for (int i = 0; i < bouts; ++i)
        gameTime += playBout(game, punches);
    const double cpuMs = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double wallMs = double(wall.nsecsElapsed()) / 1e6;

    QTextStream out(stdout);
    out << "bouts: " << bouts << ", game time per bout: " << double(gameTime) / bouts / 1000.0 << " s\n";
    out << "bouts per second: " << QString::number(1000.0 * bouts / wallMs, 'f', 1) << '\n';
    out << "CPU ms per bout: " << QString::number(cpuMs / bouts, 'f', 2) << '\n';
    return 0;
}
