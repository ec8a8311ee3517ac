#pragma once

#include "options/core/GameOptions.h"

#include <QString>
#include <QStringList>

// The options as words: the names and values that the settings store keeps and the script
// driver's `setting` command takes (scale auto|100|150|200|300, volume 0..100, mute off|on,
// riseAssist off|hold, guardCue colour|outline).

// Every option's name, in the order the settings dialog shows them.
QStringList optionNames();
// Sets the named option from its word; false, leaving the options as they were, for an
// unknown name or a value that option cannot take.
bool setOptionText(GameOptions &options, const QString &name, const QString &value);
// The named option's value as its word, or an empty text for an unknown name.
QString optionText(const GameOptions &options, const QString &name);
// How many times its own size the game draws its windows at this scale; Auto is 1, and
// the desktop's own scale applies on top of every value.
double scaleFactor(GameOptions::Scale scale);
