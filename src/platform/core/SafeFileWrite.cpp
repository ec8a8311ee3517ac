#include "platform/core/SafeFileWrite.h"

#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

namespace {
// A write may take only part of the bytes; the next attempt then meets the error, if there is one.
bool writeAll(QSaveFile &file, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + done, bytes.size() - done);
        if (count <= 0)
            return false;
        done += count;
    }
    return true;
}

// Some file systems find that the space is missing only when the data goes to the disk. The sync that
// commit() does itself ignores failures, so a failure must be caught here, before the rename.
bool syncToDisk(QSaveFile &file)
{
#ifdef Q_OS_UNIX
    int result = 0;
    do
        result = ::fsync(file.handle());
    while (result != 0 && errno == EINTR);
    // EINVAL: a file that cannot be synced at all, whose bytes were all written.
    return result == 0 || errno == EINVAL;
#else
    Q_UNUSED(file)
    return true;
#endif
}
} // namespace

bool writeFileSafely(const QString &path, const QByteArray &bytes)
{
    // Only a regular file is replaced: the rename would put a file in the place of a device such as
    // /dev/full, a pipe or a socket, wherever the superuser may write beside it.
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile())
        return false;
    QSaveFile file(path);
    // Unbuffered, so that a full disk or a file size limit shows in the write that meets it: a buffered
    // write fails only in the flush inside commit(), which can then still rename a short file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (!writeAll(file, bytes) || !file.flush() || !syncToDisk(file)) {
        // The temporary file is thrown away and the old file stays as it was.
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
