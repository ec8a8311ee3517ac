#include "platform/GameFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QStringList assetFolders()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    return {
        programDir + QStringLiteral("/assets"),
        programDir + QStringLiteral("/../share/ringglory/assets"),
        QStringLiteral(RINGGLORY_SOURCE_ASSETS),
    };
}
} // namespace

QString findGameFile(const QString &fileName)
{
    const QFileInfo local(QDir::current(), fileName);
    if (local.isFile())
        return local.absoluteFilePath();
    for (const QString &folder : assetFolders()) {
        const QFileInfo shipped(QDir(folder), fileName);
        if (shipped.isFile())
            return shipped.absoluteFilePath();
    }
    return {};
}
