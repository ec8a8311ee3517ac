// Plays Ring Glory headless with the soak bot and prints what it covered:
//   ringglory_soak [--steps N] [--seed S] [--history LINES] [--failure-script FILE]
//                  [--step-limit SECONDS]
// Exits 0 when every step kept the game's invariants, 1 at the first violation (the
// step, the seed and the game's script so far are printed), 2 on a bad command line.
#include "SoakBot.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>

namespace {
bool parse(const QStringList &args, SoakBot::Options &options)
{
    for (int i = 1; i < args.size(); ++i) {
        const QString &flag = args[i];
        if (i + 1 >= args.size())
            return false;
        const QString &value = args[++i];
        bool ok = true;
        if (flag == QLatin1String("--steps"))
            options.steps = value.toLongLong(&ok);
        else if (flag == QLatin1String("--seed"))
            options.seed = value.toULongLong(&ok);
        else if (flag == QLatin1String("--history"))
            options.historyLines = value.toInt(&ok);
        else if (flag == QLatin1String("--failure-script"))
            options.failureScript = value;
        else if (flag == QLatin1String("--step-limit"))
            options.stepLimitSeconds = value.toInt(&ok);
        else
            return false;
        if (!ok)
            return false;
    }
    return options.steps >= 0 && options.historyLines >= 0 && options.stepLimitSeconds > 0;
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("RingGlory"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(gothicFont(9, false));

    SoakBot::Options options;
    if (!parse(QCoreApplication::arguments(), options)) {
        std::fprintf(stderr, "usage: ringglory_soak [--steps N] [--seed S] [--history LINES] "
                             "[--failure-script FILE] [--step-limit SECONDS]\n");
        return 2;
    }
    QTextStream log(stdout);
    log.setEncoding(QStringConverter::Utf8);
    QElapsedTimer wall;
    wall.start();
    SoakBot bot(options, log);
    const bool clean = bot.run();
    const SoakBot::Figures &figures = bot.figures();
    log << "soak: seed " << options.seed << ": " << figures.steps << " steps, " << figures.lines << " script lines, "
        << figures.games << " games, " << figures.careers << " careers, " << figures.gameDays << " game days, "
        << figures.boutsRecorded << " bouts recorded, " << figures.savesVerified << " saved files reloaded, "
        << figures.loads << " loads, " << figures.gameMs / 1000 << " s of game time, " << figures.unansweredBoxes
        << " boxes without a queued answer, " << QString::number(double(wall.elapsed()) / 1000.0, 'f', 1) << " s\n";
    log << (clean ? "soak: every invariant held\n" : "soak: FAILED\n");
    log.flush();
    return clean ? 0 : 1;
}
