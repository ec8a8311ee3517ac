#pragma once

#include "history/core/CareerHistory.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The history file's text: UTF-8 CSV whose first line names the format, its version and
// the boxer, then a header line, then one line per day.
//   #ringglory-history,1,NAME
//   day,activity,power,quickness,guts,strength,max_strength,ranking,opponent,result
inline constexpr int HistoryFormatVersion = 1;

// The largest day and value the file holds: far past any career played, small enough for the
// chart's sums and labels.
inline constexpr int MaxHistoryDay = 999999;
inline constexpr int MaxHistoryValue = 99999;
// The largest history file: far past a career of 10,000 days, small enough to read at once.
// The writer writes no more than the reader takes.
inline constexpr qint64 MaxHistoryFileBytes = 32 * 1024 * 1024;

// Whether the file can hold the day: its day from 1 to MaxHistoryDay, its values from 0 to
// MaxHistoryValue, and for a bout a fight-record result code (1 to 27).
bool fitsHistoryFile(const DayEntry &entry);

// The file's bytes for that boxer's history.
QByteArray encodeHistoryCsv(const CareerHistory &history, const QString &boxerName);

// What a history file holds once read.
struct DecodedHistory
{
    QString boxerName;
    QList<DayEntry> entries;
};

// The boxer and days of a history file, or none when the bytes are not a history file of
// this version or any line of it is malformed (a field missing or too many, a number that is
// not written as the writer writes one, a day the file cannot hold, an unknown activity, days
// that do not rise).
std::optional<DecodedHistory> decodeHistoryCsv(const QByteArray &bytes);
