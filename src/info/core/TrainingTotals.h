#pragma once

#include "data/GameState.h"

#include <QString>

// The career's training totals as the status card shows them.
struct TrainingTotals
{
    QString sandHit;
    QString sandMiss;
    QString ballHit;
    QString ballMiss;
};

// The totals of every sandbag and punching-ball workout of the career.
TrainingTotals trainingTotals(const GameState &state);
