#include "files/core/SaveFile.h"

#include "files/core/SaveFormat.h"
#include "files/core/SaveReader.h"
#include "files/core/SaveWriter.h"
#include "platform/core/SafeFileWrite.h"

#include <QFile>
#include <QFileInfo>

SaveFileWrite writeSaveFile(const QString &path, GameState &state)
{
    GameState written = state;
    const std::optional<QByteArray> bytes = writeSave(written);
    if (!bytes)
        return SaveFileWrite::UnwritableText;
    if (!writeFileSafely(path, *bytes))
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
