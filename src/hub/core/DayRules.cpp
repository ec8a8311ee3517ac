#include "hub/core/DayRules.h"

#include <algorithm>
#include <cmath>

int restGain(int maxStrength)
{
    // The double product, rounded down: 0.8 × 99 is 79.2, so 79.
    return static_cast<int>(std::floor(0.8 * maxStrength));
}

int strengthAfterRest(int current, int maxStrength)
{
    return std::min(current + restGain(maxStrength), maxStrength);
}

void advanceCalendar(GameState &state)
{
    state.varNowDate = state.varNowDate.toInt() + 1;
    state.varNextDate = state.varNextDate.toInt() - 1;
}

bool isFightDay(const GameState &state)
{
    return state.varNextDate.toInt() == 0;
}
