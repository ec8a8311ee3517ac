#pragma once

#include <QByteArray>
#include <QString>

// Writes the bytes to the file at path through a temporary file that is renamed over the
// old one only once every byte is written and on the disk. Any failure (a full disk, a file
// size limit, an I/O error) leaves an old file as it was and no temporary file. Anything at path
// but a regular file (a folder, a device, a pipe) is left alone and the write fails.
bool writeFileSafely(const QString &path, const QByteArray &bytes);
