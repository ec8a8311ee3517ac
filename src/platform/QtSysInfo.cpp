#include "platform/QtSysInfo.h"

#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QVariant>

bool QtSysInfo::start()
{
    QString path = keyValue(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("PATH"));
    if (path.isEmpty()) {
        const QString folder =
            keyValue(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), QStringLiteral("MSINFO"));
        const QString candidate = folder + QStringLiteral("\\MSINFO32.EXE");
        if (!folder.isEmpty() && QFileInfo::exists(candidate))
            path = candidate;
    }
    if (path.isEmpty())
        return false;
    return QProcess::startDetached(path, {});
}

QString QtSysInfo::keyValue(const QString &key, const QString &valueName)
{
#ifdef Q_OS_WIN
    const QSettings registry(QStringLiteral("HKEY_LOCAL_MACHINE\\") + key, QSettings::NativeFormat);
    const QVariant value = registry.value(valueName);
    // Only a text value names a path; anything else is as good as no value.
    if (value.typeId() != QMetaType::QString)
        return {};
    const QString text = value.toString();
    const qsizetype end = text.indexOf(QChar(0));
    return end < 0 ? text : text.left(end);
#else
    Q_UNUSED(key)
    Q_UNUSED(valueName)
    return {};
#endif
}
