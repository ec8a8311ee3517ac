#pragma once

#include "data/GameState.h"

#include <QString>

enum class SaveFileWrite {
    Written,
    UnwritableText, // a text of the career cannot be written in code page 932
    CannotWrite,    // the file system refused the file
};

// Writes the career to the file at path through a temporary file that is renamed over
// the old one only once every byte is written and on the disk: a failed write (a full
// disk, a file size limit, an I/O error) leaves a previous save as it was and no
// temporary file, and leaves the state unchanged.
SaveFileWrite writeSaveFile(const QString &path, GameState &state);

enum class SaveFileLoad {
    Loaded,
    CannotOpen, // no regular file there, or it cannot be read
    Rejected,   // not a save file the game can use (readSave says why)
};

// Loads the career from the file at path into the state; anything but Loaded leaves the
// state as it was. A file larger than a save file can be is refused before it is read.
SaveFileLoad loadSaveFile(const QString &path, GameState &state);
