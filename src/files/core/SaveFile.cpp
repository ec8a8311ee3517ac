#include "files/core/SaveFile.h"

#include "files/core/SaveFormat.h"
#include "files/core/SaveReader.h"
#include "files/core/SaveWriter.h"

#include <QFile>
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

SaveFileWrite writeSaveFile(const QString &path, GameState &state)
{
    GameState written = state;
    const std::optional<QByteArray> bytes = writeSave(written);
    if (!bytes)
        return SaveFileWrite::UnwritableText;
    QSaveFile file(path);
    // Unbuffered, so that a full disk or a file size limit shows in the write that meets it: a buffered
    // write fails only in the flush inside commit(), which can then still rename a short file over the old save.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return SaveFileWrite::CannotWrite;
    if (!writeAll(file, *bytes) || !file.flush() || !syncToDisk(file)) {
        // The temporary file is thrown away and the old save stays as it was.
        file.cancelWriting();
        return SaveFileWrite::CannotWrite;
    }
    if (!file.commit())
        return SaveFileWrite::CannotWrite;
    state.varCheckSum = written.varCheckSum;
    return SaveFileWrite::Written;
}

SaveFileLoad loadSaveFile(const QString &path, GameState &state)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return SaveFileLoad::CannotOpen;
    if (info.size() > MaxSaveFileBytes)
        return SaveFileLoad::Rejected;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return SaveFileLoad::CannotOpen;
    // One byte past the bound tells a file that grew since it was measured.
    const QByteArray bytes = file.read(MaxSaveFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return SaveFileLoad::CannotOpen;
    return readSave(bytes, state) == SaveRejection::None ? SaveFileLoad::Loaded : SaveFileLoad::Rejected;
}
