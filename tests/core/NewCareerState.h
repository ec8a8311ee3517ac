#pragma once

#include "data/GameState.h"
#include "data/Roster.h"

// A new career of 山田 from 東京, as the title screen leaves it.
inline GameState newCareer()
{
    GameState state;
    subCharaDataLoad(state.Chara);
    state.Chara(1, 0) = QStringLiteral("山田");
    state.Chara(1, 1) = QStringLiteral("東京");
    state.varNowDate = 1;
    state.varNextDate = 10;
    state.varNextEnemy = 2;
    state.varKaisen = 4;
    state.varSensekiCount = 0;
    state.varSandHit = 0;
    state.varSandMiss = 0;
    state.varBallHit = 0;
    state.varBallMiss = 0;
    return state;
}
