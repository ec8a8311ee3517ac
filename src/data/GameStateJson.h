#pragma once

#include "data/GameState.h"

#include <QJsonObject>
#include <QJsonValue>

// A cell as JSON: a number, a string, or null when empty.
QJsonValue cellToJson(const Cell &cell);

// Every game variable by its game name; Chara and varSenseki as arrays of rows.
QJsonObject gameStateToJson(const GameState &state);
