// What recording a session costs the player: 12-round bouts played headless on the virtual
// clock with a player's inputs (a punch every second, the mouse moving every 100 ms, the
// clock woken every 10 ms as the wall clock wakes it), once without a record and once with
// every input recorded to a file. Prints CPU ms per bout both ways and the record's size.
// Usage: bench_record_cost [BOUTS]   (default 10)

#include "BenchBout.h"
#include "app/Game.h"
#include "app/GamePorts.h"
#include "hub/MainCommand.h"
#include "match/Spar.h"
#include "replay/SessionRecorder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QMouseEvent>
#include <QTemporaryFile>
#include <QTextStream>
#include <ctime>

namespace {
// One input as the window system delivers it: the recorder, when there is one, hears it as one.
template <typename Deliver> void input(SessionRecorder *recorder, Deliver deliver)
{
    if (recorder)
        recorder->beginInput();
    deliver();
    if (recorder)
        recorder->endInput();
}

// Plays one bout to its end with a player's inputs; returns the game time it took.
qint64 playBout(Game &game, const QList<QAbstractButton *> &punches, SessionRecorder *recorder)
{
    BenchBout::prepare(game.state());
    Spar &spar = game.spar();
    game.hub().hide();
    spar.subOriginal();
    spar.show();
    Scheduler &clock = game.scheduler();
    const qint64 start = clock.now();
    int next = 0;
    for (qint64 tick = 0; spar.isVisible() && clock.now() - start < BenchBout::TwelveRounds + 1000; ++tick) {
        if (tick % 10 == 0) {
            const QPointF at(100 + double(tick % 200), 280 + double(tick % 30));
            input(recorder, [&] {
                QMouseEvent move(QEvent::MouseMove, at, spar.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                                 Qt::NoModifier);
                QCoreApplication::sendEvent(&spar, &move);
            });
        }
        if (tick % 100 == 0) {
            QAbstractButton *punch = punches[next++ % punches.size()];
            if (punch->isVisible() && punch->isEnabled())
                input(recorder, [punch] { punch->click(); });
        }
        const qint64 from = clock.now();
        const bool skipped = clock.catchUpTo(from + 10);
        if (recorder)
            recorder->clockCaughtUp(from, clock.now(), skipped);
        QCoreApplication::sendPostedEvents();
    }
    return clock.now() - start;
}

struct Figures
{
    double cpuMsPerBout = 0;
    qint64 recordBytes = 0;
};

Figures measure(int bouts, bool recording)
{
    ScriptedPrompter *prompter = nullptr;
    Game game(scriptedPorts(nullptr, &prompter));
    QTemporaryFile file;
    file.open();
    std::unique_ptr<SessionRecorder> recorder;
    if (recording)
        recorder = std::make_unique<SessionRecorder>(game, file, SessionRecorder::Source::Player,
                                                     QDateTime::currentDateTime());
    Spar &spar = game.spar();
    QList<QAbstractButton *> punches;
    for (const char *name : {"LeftPunch(1)", "RightPunch(3)", "RightPunch(1)", "LeftPunch(3)"})
        punches.append(spar.findChild<QAbstractButton *>(QString::fromLatin1(name)));
    // One bout first, so that fonts and widgets are warm.
    playBout(game, punches, recorder.get());
    const qint64 warm = file.size();
    const std::clock_t cpuStart = std::clock();
    for (int i = 0; i < bouts; ++i)
        playBout(game, punches, recorder.get());
    Figures figures;
    figures.cpuMsPerBout = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC / bouts;
    recorder.reset();
    figures.recordBytes = (file.size() - warm) / bouts;
    return figures;
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int bouts = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 10;

    // Taken in turn, so a change in the machine's load falls on both alike.
    Figures without;
    Figures with;
    for (int round = 0; round < 2; ++round) {
        const Figures a = measure(bouts, false);
        const Figures b = measure(bouts, true);
        without.cpuMsPerBout += a.cpuMsPerBout / 2;
        with.cpuMsPerBout += b.cpuMsPerBout / 2;
        with.recordBytes = b.recordBytes;
    }
    QTextStream out(stdout);
    out << "bouts: " << bouts << " of 12 rounds, twice each way\n";
    out << "CPU ms per bout without a record: " << QString::number(without.cpuMsPerBout, 'f', 2) << '\n';
    out << "CPU ms per bout with a record:    " << QString::number(with.cpuMsPerBout, 'f', 2) << '\n';
    out << "recording costs: " << QString::number(with.cpuMsPerBout - without.cpuMsPerBout, 'f', 2)
        << " ms per bout (" << QString::number(100.0 * (with.cpuMsPerBout / without.cpuMsPerBout - 1.0), 'f', 1)
        << " %), over " << BenchBout::TwelveRounds / 1000 << " s of play\n";
    out << "record per bout: " << with.recordBytes << " bytes\n";
    return 0;
}
