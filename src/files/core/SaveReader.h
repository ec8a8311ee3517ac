#pragma once

#include "data/GameState.h"

#include <QByteArrayView>

// Why a save file was refused; every refusal looks the same to the player.
enum class SaveRejection {
    None,           // accepted
    TooLarge,       // larger than any save file can be
    NotCodePage932, // bytes that are not code page 932 text
    TooShort,       // ends before the checksum line
    NotANumber,     // a text (or nothing) where the checksum or the game needs a number
    OutOfRange,     // a number the game cannot use where it stands
    WrongChecksum,  // the stored checksum differs from the table's
};

// Reads a save file. When it is one the game can use, replaces every saved variable of
// the state (varCheckSum included) and returns None; otherwise returns why it was
// refused and leaves the state exactly as it was.
//
// One value stands on each line: a comma does not split it, leading spaces are
// skipped. Into a variant, a whole number reads as that number, an empty line as empty
// and anything else as the text; into a 16- or 32-bit integer, a text or an empty line
// reads as 0.
SaveRejection readSave(QByteArrayView bytes, GameState &state);
