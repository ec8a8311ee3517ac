#pragma once

#include "data/GameState.h"

// Walks the saved variables of a career in the order of the save file's lines, handing
// each to the visitor as the kind it is saved as: visitor.variant(Cell &),
// visitor.int16(qint16 &) or visitor.int32(qint32 &). The writer and the reader share
// this walk, so the two can never disagree on the layout.
template <typename State, typename Visitor> void visitSaveLayout(State &state, Visitor &visitor)
{
    visitor.variant(state.varSetsumeiNo);
    for (auto &flag : state.varSetsumeiOff)
        visitor.int16(flag);
    for (int row = 0; row < CharaTable::Rows; ++row)
        for (int column = 0; column < CharaTable::Columns; ++column)
            visitor.variant(state.Chara(row, column));
    visitor.variant(state.varNowDate);
    visitor.variant(state.varNextDate);
    visitor.int32(state.varYobi);
    visitor.variant(state.varKaisen);
    visitor.int32(state.varNowRound);
    visitor.int32(state.varNextEnemy);
    visitor.int16(state.varSparMode);
    visitor.variant(state.varEnGuardR);
    visitor.int32(state.varEnGuardL);
    visitor.variant(state.varBagSwing);
    visitor.variant(state.varBagPos);
    visitor.variant(state.varBagHit);
    visitor.int16(state.varBagMiss);
    visitor.int32(state.varKekka);
    visitor.int32(state.varSensekiCount);
    for (auto &bout : state.varSenseki)
        for (auto &cell : bout)
            visitor.variant(cell);
    visitor.variant(state.varSandHit);
    visitor.variant(state.varSandMiss);
    visitor.variant(state.varBallHit);
    visitor.int32(state.varBallMiss);
    visitor.int32(state.varCheckSum);
}
