#pragma once

#include "data/GameState.h"

#include <QList>
#include <QStringList>

// The fight record as the record screen shows it: one row of three texts per bout.
namespace FightRecord {

// The header texts of the three columns.
QStringList header();

// The text of a result code: 1 to 12 "<round>RKO勝ち", 13 "判定勝ち", 14 to 25
// "<round>RKO負け", 26 "判定負け", 27 "ドロー"; any other code gives an empty text.
QString resultText(int code);

// One row per recorded bout, in order: its number, the opponent's name, the result text.
// A count outside 0 to 100 is held to the rows the record has.
QList<QStringList> rows(const GameState &state);

} // namespace FightRecord
