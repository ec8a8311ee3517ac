#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The bytes of the text in code page 932 (Shift-JIS), or nothing when a character has
// no code there: a save file never holds a stand-in for a lost character.
std::optional<QByteArray> encodeSaveText(QStringView text);

// The text of bytes in code page 932, or nothing when they are not valid code page 932.
std::optional<QString> decodeSaveText(QByteArrayView bytes);
