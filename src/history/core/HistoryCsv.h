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
// not one, an unknown activity, days that do not rise).
std::optional<DecodedHistory> decodeHistoryCsv(const QByteArray &bytes);
