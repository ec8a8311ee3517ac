#pragma once

#include "data/GameState.h"

#include <QByteArray>
#include <optional>

// The save file of the career: its 474 lines in code page 932, each ending in CR LF,
// after varCheckSum has been set to the checksum of Chara. Nothing, with the state
// unchanged, when a text cannot be written (a character outside code page 932 or a
// line break inside it) or the checksum cannot be formed: the game never writes a
// file that it would refuse to read back.
std::optional<QByteArray> writeSave(GameState &state);
