#include "history/core/HistoryFile.h"

#include "history/core/HistoryCsv.h"
#include "platform/core/SafeFileWrite.h"

#include <QFile>
#include <QFileInfo>

QString historyPathFor(const QString &savePath)
{
    QString base = savePath;
    if (base.endsWith(QStringLiteral(".sav"), Qt::CaseInsensitive))
        base.chop(4);
    return base + QStringLiteral(".history.csv");
}

HistoryWrite writeHistoryFile(const QString &path, const CareerHistory &history, const QString &boxerName)
{
    // A file the reader would refuse is not written: the next load would find it broken.
    for (const DayEntry &entry : history.entries())
        if (!fitsHistoryFile(entry))
            return HistoryWrite::CannotHold;
    const QByteArray bytes = encodeHistoryCsv(history, boxerName);
    if (bytes.size() > MaxHistoryFileBytes)
        return HistoryWrite::CannotHold;
    return writeFileSafely(path, bytes) ? HistoryWrite::Written : HistoryWrite::CannotWrite;
}

CareerHistory readHistoryFile(const QString &path, const GameState &state, HistoryLoad *how)
{
    const int loadedDay = state.varNowDate.toInt();
    auto startAfresh = [&](HistoryLoad reason) {
        if (how)
            *how = reason;
        return CareerHistory(loadedDay);
    };
    const QFileInfo info(path);
    if (!info.exists())
        return startAfresh(HistoryLoad::Missing);
    if (!info.isFile() || info.size() > MaxHistoryFileBytes)
        return startAfresh(HistoryLoad::Broken);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return startAfresh(HistoryLoad::Broken);
    // One byte past the bound tells a file that grew since it was measured.
    const QByteArray bytes = file.read(MaxHistoryFileBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > MaxHistoryFileBytes)
        return startAfresh(HistoryLoad::Broken);
    std::optional<DecodedHistory> decoded = decodeHistoryCsv(bytes);
    if (!decoded)
        return startAfresh(HistoryLoad::Broken);
    const QString boxer = state.Chara(CharaTable::PlayerRow, CharaTable::Name).toText();
    // The save stands on a day not yet played, so every day of its history lies before it.
    const bool pastTheSave = !decoded->entries.isEmpty() && decoded->entries.last().day >= loadedDay;
    if (decoded->boxerName != boxer || pastTheSave)
        return startAfresh(HistoryLoad::Foreign);
    if (how)
        *how = HistoryLoad::Loaded;
    // A history written after a load without one begins where its first day is.
    const int startDay = decoded->entries.isEmpty() ? loadedDay : decoded->entries.first().day;
    return CareerHistory::fromEntries(startDay, std::move(decoded->entries));
}

QString setHistoryFileAside(const QString &path)
{
    // A name from the file alone, never from a clock, so that a replay keeps it under the same name.
    const QString base = path + QStringLiteral(".broken");
    QString kept = base;
    for (int copy = 2; QFileInfo::exists(kept) || QFileInfo(kept).isSymLink(); ++copy)
        kept = base + QLatin1Char('-') + QString::number(copy);
    return QFile::rename(path, kept) ? kept : QString();
}
