#pragma once

#include "data/CharaTable.h"

#include <optional>

// Whether the checksum covers the cell: every character's strength, punch power,
// quickness, guts, wins, losses and draws (rows 1 to 18) and the player's maximum strength.
bool isChecksumCell(int row, int column);

// The save file's checksum: the sum of the covered cells, an empty cell counting as 0.
// Nothing when a covered cell holds a text or a partial sum leaves the 32-bit range.
std::optional<qint32> saveChecksum(const CharaTable &chara);
