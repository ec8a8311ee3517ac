#include "platform/GameFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QStringList assetFolders(const QString &programDir)
{
    return {
        programDir + QStringLiteral("/assets"),
        programDir + QStringLiteral("/../share/ringglory/assets"),
        QStringLiteral(RINGGLORY_SOURCE_ASSETS),
    };
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
