// Round timing on the real wall clock: the game's own WallClockDriver wakes its Scheduler,
// exactly as in the game. Prints
//   1. one round: 180 ticks of a 100 ms timer, its total wall time and how far each
//      tick fired from its ideal moment (median, worst, earliest and latest), and the
//      spread of the gaps between ticks;
//   2. the drift of the game clock against the wall clock over a bout of rounds with
//      intervals between them, while an opponent timer ticks beside the round clock.
// By default the bout is shortened to 3 rounds with 10 s intervals (about 74 s);
// --full runs a 12-round bout with one-minute intervals (876 s). --rounds N and
// --interval-ms MS choose any other length.
#include "platform/WallClockDriver.h"
#include "platform/core/Scheduler.h"
#include "platform/core/Timer.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

constexpr int TicksPerRound = 180;
constexpr qint64 TickMs = 100;
constexpr qint64 OpponentMs = 370;

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double worst(const std::vector<double> &values)
{
    return *std::max_element(values.begin(), values.end());
}

void measureOneRound()
{
    Scheduler scheduler;
    const Clock::time_point start = Clock::now();
    WallClockDriver driver(scheduler);
    std::vector<Clock::time_point> ticks;
    ticks.reserve(TicksPerRound);
    Timer roundClock(scheduler);
    roundClock.setOnTick([&] {
        ticks.push_back(Clock::now());
        if (ticks.size() == TicksPerRound) {
            roundClock.setEnabled(false);
            QCoreApplication::exit(0);
        }
    });
    roundClock.setInterval(TickMs);
    roundClock.setEnabled(true);
    QCoreApplication::exec();

    std::vector<double> deviation;
    std::vector<double> gapError;
    for (std::size_t k = 0; k < ticks.size(); ++k) {
        deviation.push_back(msBetween(start, ticks[k]) - double((k + 1) * TickMs));
        if (k > 0)
            gapError.push_back(std::abs(msBetween(ticks[k - 1], ticks[k]) - double(TickMs)));
    }
    std::printf("round: %d ticks of %lld ms\n", TicksPerRound, static_cast<long long>(TickMs));
    std::printf("  wall time            %10.3f ms (ideal %lld ms)\n", msBetween(start, ticks.back()),
                static_cast<long long>(TicksPerRound * TickMs));
    std::vector<double> distance;
    for (double d : deviation)
        distance.push_back(std::abs(d));
    std::printf("  tick deviation median %9.3f ms (|tick - ideal moment|)\n", median(distance));
    std::printf("  tick deviation worst  %9.3f ms\n", worst(distance));
    std::printf("  earliest, latest tick %9.3f, %.3f ms\n", *std::min_element(deviation.begin(), deviation.end()),
                worst(deviation));
    std::printf("  gap error median     %10.3f ms (|gap - 100 ms|)\n", median(gapError));
    std::printf("  gap error worst      %10.3f ms\n", worst(gapError));
}

struct BoutLength
{
    int rounds = 3;
    qint64 intervalMs = 10000;
};

void measureBoutDrift(BoutLength length)
{
    Scheduler scheduler;
    const Clock::time_point start = Clock::now();
    WallClockDriver driver(scheduler);
    Timer roundClock(scheduler);
    Timer opponent(scheduler);
    Timer interval(scheduler);
    int round = 1;
    int tick = 0;
    long opponentActions = 0;
    Clock::time_point roundStart = start;
    Clock::time_point lastBell = start;
    double lastBellLogicalMs = 0;
    double longestRound = 0;
    double shortestRound = 1e12;

    auto startRound = [&] {
        tick = 0;
        roundStart = Clock::now();
        roundClock.setEnabled(true);
        opponent.setEnabled(true);
    };
    opponent.setOnTick([&] { ++opponentActions; });
    roundClock.setOnTick([&] {
        if (++tick < TicksPerRound)
            return;
        roundClock.setEnabled(false);
        opponent.setEnabled(false);
        const double roundMs = msBetween(roundStart, Clock::now());
        longestRound = std::max(longestRound, roundMs);
        shortestRound = std::min(shortestRound, roundMs);
        if (round == length.rounds) {
            // Read inside the tick: once the handler returns the clock moves on to the wall clock's moment.
            lastBellLogicalMs = double(scheduler.now());
            lastBell = Clock::now();
            QCoreApplication::exit(0);
            return;
        }
        ++round;
        interval.setEnabled(true);
    });
    interval.setOnTick([&] {
        interval.setEnabled(false);
        startRound();
    });
    roundClock.setInterval(TickMs);
    opponent.setInterval(OpponentMs);
    interval.setInterval(length.intervalMs);
    startRound();
    QCoreApplication::exec();

    const double wallMs = msBetween(start, lastBell);
    const double logicalMs = lastBellLogicalMs;
    const double idealMs = double(length.rounds * TicksPerRound * TickMs + (length.rounds - 1) * length.intervalMs);
    std::printf("bout: %d rounds, %lld ms intervals, opponent every %lld ms (%ld actions)\n", length.rounds,
                static_cast<long long>(length.intervalMs), static_cast<long long>(OpponentMs), opponentActions);
    std::printf("  game clock at the last bell %10.3f ms (ideal %.0f ms)\n", logicalMs, idealMs);
    std::printf("  wall clock at the last bell %10.3f ms\n", wallMs);
    std::printf("  drift                       %10.4f %%\n", (wallMs - idealMs) / idealMs * 100.0);
    std::printf("  rounds on the wall clock    %10.3f .. %.3f ms (bell to 180th tick, ideal 18000 ms)\n", shortestRound,
                longestRound);
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    BoutLength length;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--full")) {
            length = {12, 60000};
        } else if (args[i] == QLatin1String("--rounds") && i + 1 < args.size()) {
            length.rounds = std::max(1, args[++i].toInt());
        } else if (args[i] == QLatin1String("--interval-ms") && i + 1 < args.size()) {
            length.intervalMs = std::max<qint64>(1, args[++i].toLongLong());
        } else {
            std::fprintf(stderr, "usage: bench_round_timing [--full] [--rounds N] [--interval-ms MS]\n");
            return 2;
        }
    }
    measureOneRound();
    std::fflush(stdout);
    measureBoutDrift(length);
    return 0;
}
