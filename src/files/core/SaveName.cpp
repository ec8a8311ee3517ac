#include "files/core/SaveName.h"

#include <QDir>

bool isAcceptableSaveName(const QString &name)
{
    // A name with a leading dot makes a hidden file, which the load dialog never lists.
    if (name.trimmed().isEmpty() || name.startsWith(QLatin1Char('.')))
        return false;
    for (const QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || QStringView(u"\\/:*?\"<>|").contains(c))
            return false;
    return true;
}

QString savePath(const QString &directory, const QString &name)
{
    QString path = QDir(directory).filePath(name);
    if (!path.endsWith(QLatin1String(".sav"), Qt::CaseSensitive))
        path += QLatin1String(".sav");
    return QDir::toNativeSeparators(path);
}
