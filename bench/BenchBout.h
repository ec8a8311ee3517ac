#pragma once

#include "data/GameState.h"
#include "data/Roster.h"

// The bout the bout benchmarks play: 12 rounds against a strong opponent, with a player too
// strong to be knocked down, so every bout runs its whole length.
namespace BenchBout {
// The game time of 12 rounds and the 11 intervals between them.
constexpr qint64 TwelveRounds = 12 * 18000 + 11 * 6000;

// Sets the career up for that bout.
inline void prepare(GameState &state)
{
    subCharaDataLoad(state.Chara);
    state.Chara(CharaTable::PlayerRow, CharaTable::Strength) = 100000;
    state.Chara(CharaTable::PlayerRow, CharaTable::MaxStrength) = 100000;
    state.varNowDate = 1;
    state.varNextDate = 100;
    state.varNextEnemy = 15;
    state.varKaisen = 12;
    state.varSensekiCount = 0;
    state.varSparMode = SparModeBout;
}
} // namespace BenchBout
