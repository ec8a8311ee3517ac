#pragma once

#include "data/CharaTable.h"

// Fills every cell of the table with the starting roster of a new career:
// the captions, the player's default boxer and the seventeen opponents.
void subCharaDataLoad(CharaTable &chara);
