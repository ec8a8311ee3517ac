#pragma once

#include "data/GameState.h"

// Strength a rest restores: Int(0.8 × maximum strength).
int restGain(int maxStrength);

// The strength after a rest: current plus the gain, cut to the maximum.
int strengthAfterRest(int current, int maxStrength);

// Moves the calendar one day on: the day up by one, the countdown to the bout down by one.
void advanceCalendar(GameState &state);

// Whether the countdown has reached the day of the bout.
bool isFightDay(const GameState &state);
