#include "platform/GameFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QStringList assetFolders(const QString &programDir)
{
    QStringList folders = {
        programDir + QStringLiteral("/assets"),
        programDir + QStringLiteral("/../share/ringglory/assets"),
    };
#ifdef RINGGLORY_SOURCE_ASSETS
    // Only builds with tests know the source tree: an installed program must not depend
    // on, or reveal, the folder it was built in.
    folders << QStringLiteral(RINGGLORY_SOURCE_ASSETS);
#endif
    return folders;
}
} // namespace

QString findGameFile(const QString &fileName)
{
    return findGameFile(fileName, QCoreApplication::applicationDirPath());
}

QString findGameFile(const QString &fileName, const QString &programDir)
{
    const QFileInfo local(QDir::current(), fileName);
    if (local.isFile())
        return local.absoluteFilePath();
    for (const QString &folder : assetFolders(programDir)) {
        const QFileInfo shipped(QDir(folder), fileName);
        if (shipped.isFile())
            return QDir::cleanPath(shipped.absoluteFilePath());
    }
    return {};
}
