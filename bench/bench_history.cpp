// A career of many days (10,000 unless given) through the career history: building its
// entries, saving the history file beside a save, loading it back for the career, and
// drawing the growth chart of it, at the chart's size on the Growth screen and at twice
// that. Prints the median and worst of a few runs of each, and the file's size.
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include "data/Roster.h"
#include "history/GrowthChart.h"
#include "history/core/HistoryFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {
struct Figures
{
    double median = 0;
    double worst = 0;
};

Figures timed(int runs, const std::function<void()> &work)
{
    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.append(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.last()};
}

void print(const char *what, const Figures &figures)
{
    std::printf("%-44s median %8.2f ms   worst %8.2f ms\n", what, figures.median, figures.worst);
}

// A steady career: workouts and rests in turn, a bout every eighth day, the values climbing slowly.
CareerHistory longCareer(GameState &state, int days)
{
    CareerHistory history;
    const DayKind week[] = {DayKind::SandBag, DayKind::PunchingBall, DayKind::Sparring, DayKind::Rest,
                            DayKind::SandBag, DayKind::Rest,         DayKind::Sparring};
    for (int day = 1; day <= days; ++day) {
        state.varNowDate = day;
        auto &chara = state.Chara;
        chara(1, CharaTable::Punch) = 40 + day / 40;
        chara(1, CharaTable::Quick) = 40 + day / 45;
        chara(1, CharaTable::Guts) = 40 + day / 50;
        chara(1, CharaTable::MaxStrength) = 500 + day / 12;
        chara(1, CharaTable::Strength) = 500 + day / 12 - (day * 37) % 200;
        if (day % 8 == 0) {
            chara(1, CharaTable::Ranking) = chara(2 + (day / 8) % 17, CharaTable::Ranking);
            history.recordBout(state, 2 + (day / 8) % 17, 1 + (day / 8) % 27);
        } else {
            history.recordDay(state, week[day % 7]);
        }
    }
    return history;
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int days = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 10000;
    constexpr int Runs = 15;

    GameState state;
    subCharaDataLoad(state.Chara);
    state.Chara(1, CharaTable::Name) = QStringLiteral("山田");
    CareerHistory history;
    print("record every day of the career", timed(Runs, [&] { history = longCareer(state, days); }));
    state.varNowDate = days + 1;

    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("career.history.csv"));
    bool allWritten = true;
    print("save the history file", timed(Runs, [&] {
              allWritten = writeHistoryFile(path, history, QStringLiteral("山田")) == HistoryWrite::Written &&
                           allWritten;
          }));
    bool allRead = true;
    print("load the history file", timed(Runs, [&] { allRead = readHistoryFile(path, state) == history && allRead; }));

    GrowthChart chart;
    chart.setHistory(history, QStringLiteral("山田"));
    for (const int scale : {1, 2}) {
        // The chart's size on the Growth screen at 1x: 10,560 by 5,280 twips.
        chart.resize(704, 352);
        QImage picture(chart.size() * scale, QImage::Format_ARGB32_Premultiplied);
        picture.setDevicePixelRatio(scale);
        const QByteArray what = QByteArray("draw the chart at ") + QByteArray::number(scale) + "x";
        print(what.constData(), timed(Runs, [&] {
                  QPainter painter(&picture);
                  chart.render(&painter);
              }));
    }
    print("open the chart (set the history)",
          timed(Runs, [&] { chart.setHistory(history, QStringLiteral("山田")); }));

    std::printf("%d days, %lld entries, history file %lld bytes, written %s, read back %s\n", days,
                static_cast<long long>(history.entries().size()), static_cast<long long>(QFileInfo(path).size()),
                allWritten ? "every time" : "NOT every time", allRead ? "equal every time" : "NOT equal");
    return allWritten && allRead ? 0 : 1;
}
