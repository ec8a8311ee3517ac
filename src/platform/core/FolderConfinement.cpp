#include "platform/core/FolderConfinement.h"

#include <QDir>
#include <QFileInfo>

bool liesWithinFolder(const QString &path, const QString &folder)
{
    const QString root = QFileInfo(folder).canonicalFilePath();
    if (root.isEmpty())
        return false;
    // Resolved by the file system, as an open would: a ".." after a link climbs from where it points.
    const QString absolute = QDir::current().absoluteFilePath(path);
    QString resolved = QFileInfo(absolute).canonicalFilePath();
    if (resolved.isEmpty() && !QFileInfo(absolute).isSymLink()) {
        const qsizetype slash = absolute.lastIndexOf(QLatin1Char('/'));
        const QString name = absolute.mid(slash + 1);
        const QString parent =
            QFileInfo(slash == 0 ? QStringLiteral("/") : absolute.left(slash)).canonicalFilePath();
        if (parent.isEmpty() || name == QLatin1String("..") || name == QLatin1String("."))
            return false;
        resolved = QDir(parent).filePath(name);
    }
    if (resolved.isEmpty())
        return false;
    return resolved == root ||
           resolved.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
}
