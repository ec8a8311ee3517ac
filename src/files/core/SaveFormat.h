#pragma once

#include <QtGlobal>

// Every save file the game writes has exactly this many lines, the checksum on the last.
constexpr int SaveFileLineCount = 474;

// A career the game writes takes about four kilobytes; anything past this bound cannot
// be a save file, so it is refused before it is read.
constexpr qint64 MaxSaveFileBytes = 64 * 1024;
