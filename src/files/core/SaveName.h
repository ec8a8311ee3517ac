#pragma once

#include <QString>

// Whether the save dialog's name box holds a name the game can write: not blank, not
// starting with a dot (that would be a hidden file, out of the load dialog's sight), and
// free of path separators and of the characters file systems refuse in a name
// (\ / : * ? " < > | and control characters), so a save never lands outside the
// directory chosen.
bool isAcceptableSaveName(const QString &name);

// The file the save dialog writes: the directory, the platform's separator and the
// name, with ".sav" added unless the name already ends in exactly ".sav" (so "a.SAV"
// becomes "a.SAV.sav").
QString savePath(const QString &directory, const QString &name);
