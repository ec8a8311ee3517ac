#pragma once

#include "data/Cell.h"

#include <QString>

// One line of a save file as the game reads it back, its leading spaces skipped.
struct SaveLine
{
    enum class Kind {
        Empty,    // nothing on the line
        Number,   // a whole number that fits 32 bits: an optional minus sign, digits, spaces after
        Text,     // anything else, kept as it stands
        Overflow, // a whole number past the 32-bit range, which no value of the game can hold
    };

    Kind kind = Kind::Empty;
    qint32 number = 0;
    QString text;

    // Reads one line (without its line end).
    static SaveLine parse(QStringView line);
};

// A number as the save file writes it: a space or a minus sign, the digits, a space.
QString writtenNumber(qint32 number);

// A cell as the save file writes it: a number as above, a text as it stands, an empty cell as nothing.
QString writtenCell(const Cell &cell);
