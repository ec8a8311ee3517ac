#pragma once

#include "history/core/CareerHistory.h"

#include <QString>

// The history file that belongs beside a save: NAME.history.csv for NAME.sav.
QString historyPathFor(const QString &savePath);

enum class HistoryWrite {
    Written,
    CannotWrite, // the disk or the folder refused it
    CannotHold,  // a day the file cannot hold, or more than MaxHistoryFileBytes in all
};

// Writes the boxer's history to the file at path through a temporary file renamed over the
// old one only once every byte is written; when it is not written the old file is as it was.
HistoryWrite writeHistoryFile(const QString &path, const CareerHistory &history, const QString &boxerName);

// Why a history was started afresh at the loaded day rather than read from its file.
enum class HistoryLoad {
    Loaded,
    Missing, // no history file beside the save
    Foreign, // another boxer's, or days the save has not reached
    Broken,  // unreadable, too large or not a history file
};

// The history read from the file at path for the career in the state, or, when the file is
// missing, belongs to another career or is broken, an empty history that starts on the
// state's day. Never fails: the reason is given in how.
CareerHistory readHistoryFile(const QString &path, const GameState &state, HistoryLoad *how = nullptr);

// Renames the file at path to PATH.broken beside it (PATH.broken-2, -3, ... while that name is
// taken), so that a history a save would write over is kept. The new path, or an empty one when
// the file could not be renamed.
QString setHistoryFileAside(const QString &path);
