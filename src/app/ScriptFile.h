#pragma once

#include <QByteArray>
#include <QString>

// The file a --script run reads its commands from: only a regular file, and only up to a
// size no hand-written or recorded script comes near, so an endless device, a pipe that
// never closes or a huge file is refused before it can fill the memory.
class ScriptFile
{
public:
    // The largest script read, in bytes: 32 MiB, room for a record of a long session with the
    // saves it loaded.
    static constexpr qint64 MaxBytes = 32 * 1024 * 1024;

    // Reads the whole file at path into contents. On failure returns false, leaves contents
    // empty and puts in error a sentence that names the path and says what is wrong.
    static bool read(const QString &path, QByteArray *contents, QString *error);
    // The line of text that starts at from, without its end (LF, CR LF, or a CR alone as old
    // editors end lines), and in next where the line after it starts.
    static QStringView lineAt(QStringView text, qsizetype from, qsizetype *next);
};
