#pragma once

#include <QString>

// Where the game finds a file it reads by name (a picture or a sound): first the working
// directory, then the assets shipped beside the program or installed with it.
// Returns the path found, or an empty text when there is none.
QString findGameFile(const QString &fileName);
// The same search for a program that lives in programDir.
QString findGameFile(const QString &fileName, const QString &programDir);
