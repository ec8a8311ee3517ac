// Saves a full career (a record of 100 bouts, every text in Japanese) to a file and
// loads it back into a fresh state, over and over, and prints the time per round trip;
// the same again in memory alone, to tell the codec's share from the file system's.
// Every loaded career is checked against the saved one, outside the timing.
//
// Usage: bench_save_load [ROUND_TRIPS] [--keep FILE]   (default 2000 round trips)
// --keep leaves the full career's save file at FILE (the save-file fuzzer's seed came from it).

#include "data/GameState.h"
#include "data/Roster.h"
#include "files/core/SaveFile.h"
#include "files/core/SaveReader.h"
#include "files/core/SaveWriter.h"
#include "match/core/MatchRules.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <vector>

namespace {
// A career far along: a hundred bouts fought against the whole ladder, strong and seasoned.
GameState fullCareer()
{
    GameState state;
    subCharaDataLoad(state.Chara);
    const int player = CharaTable::PlayerRow;
    state.Chara(player, CharaTable::Name) = QStringLiteral("山田太郎");
    state.Chara(player, CharaTable::Birthplace) = QStringLiteral("北海道");
    state.Chara(player, CharaTable::Strength) = 812;
    state.Chara(player, CharaTable::MaxStrength) = 950;
    state.Chara(player, CharaTable::Punch) = 420;
    state.Chara(player, CharaTable::Quick) = 385;
    state.Chara(player, CharaTable::Guts) = 97;
    state.Chara(player, CharaTable::Wins) = 71;
    state.Chara(player, CharaTable::Losses) = 22;
    state.Chara(player, CharaTable::Draws) = 7;
    state.varSetsumeiNo = ActivityBout;
    state.varSetsumeiOff = {1, 1, 0, 1};
    state.varNowDate = 1480;
    state.varNextDate = 1489;
    state.varKaisen = 12;
    state.varNextEnemy = 17;
    state.varSensekiCount = GameState::SensekiCapacity;
    for (int bout = 1; bout <= GameState::SensekiCapacity; ++bout) {
        const int opponent = CharaTable::FirstOpponentRow + bout % 16;
        state.varSenseki[std::size_t(bout)][0] = state.Chara(opponent, CharaTable::Name);
        const int result = bout % 10 < 7 ? WinLoseWin : bout % 10 < 9 ? WinLoseLoss : WinLoseDraw;
        state.varSenseki[std::size_t(bout)][1] = resultCode(result, 1 + bout % 12, bout % 3 == 0);
    }
    state.varSandHit = 640;
    state.varSandMiss = 35;
    state.varBallHit = 118;
    state.varBallMiss = 12;
    return state;
}

// The loaded career is the saved one when it saves to the same bytes: an empty text and
// an empty cell, which the file cannot tell apart, count as the same, as they do in play.
bool sameCareer(GameState &saved, GameState &loaded)
{
    const std::optional<QByteArray> savedBytes = writeSave(saved);
    return savedBytes && savedBytes == writeSave(loaded);
}

struct Spread
{
    double median = 0;
    double worst = 0;
};

Spread spread(std::vector<double> microseconds)
{
    std::sort(microseconds.begin(), microseconds.end());
    return {microseconds[microseconds.size() / 2], microseconds.back()};
}

QString figure(const Spread &s)
{
    return QStringLiteral("median %1 us, worst %2 us")
        .arg(QString::number(s.median, 'f', 1), QString::number(s.worst, 'f', 1));
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    QString keep;
    if (const qsizetype at = args.indexOf(QStringLiteral("--keep")); at >= 0 && at + 1 < args.size()) {
        keep = args[at + 1];
        args.remove(at, 2);
    }
    const int trips = args.isEmpty() ? 2000 : std::max(1, args.first().toInt());
    QTextStream out(stdout);

    QTemporaryDir folder;
    if (!folder.isValid()) {
        out << "cannot make a temporary folder\n";
        return 1;
    }
    const QString path = folder.filePath(QStringLiteral("career.sav"));
    GameState career = fullCareer();

    std::vector<double> onDisk;
    std::vector<double> inMemory;
    onDisk.reserve(std::size_t(trips));
    inMemory.reserve(std::size_t(trips));
    QElapsedTimer timer;
    for (int trip = 0; trip < trips; ++trip) {
        GameState loaded;
        timer.start();
        const bool ok = writeSaveFile(path, career) == SaveFileWrite::Written &&
                        loadSaveFile(path, loaded) == SaveFileLoad::Loaded;
        onDisk.push_back(double(timer.nsecsElapsed()) / 1e3);
        if (!ok || !sameCareer(career, loaded)) {
            out << "round trip " << trip << " through " << path << " did not give the career back\n";
            return 1;
        }
    }
    for (int trip = 0; trip < trips; ++trip) {
        GameState loaded;
        timer.start();
        const std::optional<QByteArray> bytes = writeSave(career);
        const bool ok = bytes && readSave(*bytes, loaded) == SaveRejection::None;
        inMemory.push_back(double(timer.nsecsElapsed()) / 1e3);
        if (!ok || !sameCareer(career, loaded)) {
            out << "round trip " << trip << " in memory did not give the career back\n";
            return 1;
        }
    }

    if (!keep.isEmpty()) {
        QFile::remove(keep); // a copy never replaces a file
        if (!QFile::copy(path, keep)) {
            out << "cannot keep the save file at " << keep << '\n';
            return 1;
        }
    }
    out << "round trips: " << trips << ", save file: " << QFileInfo(path).size() << " bytes\n";
    out << "save and load through a file: " << figure(spread(onDisk)) << '\n';
    out << "encode and decode in memory:  " << figure(spread(inMemory)) << '\n';
    return 0;
}
