#include "info/core/TrainingTotals.h"

TrainingTotals trainingTotals(const GameState &state)
{
    return {state.varSandHit.toText(), state.varSandMiss.toText(), state.varBallHit.toText(),
            QString::number(state.varBallMiss)};
}
