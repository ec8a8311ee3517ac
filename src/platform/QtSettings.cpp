#include "platform/QtSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTextStream>
#include <utility>

QtSettings::QtSettings(QString path) : m_path(std::move(path)) {}

QString QtSettings::playerFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/RingGlory/RingGlory.conf");
}

bool QtSettings::fileIsUsable() const
{
    if (m_refused)
        return false;
    // Reading a pipe waits for a writer that never comes, and a huge file fills the memory: either
    // would stop the game before its first window.
    const QFileInfo file(m_path);
    QString reason;
    if (file.exists() && !file.isFile())
        reason = QStringLiteral("is not a regular file");
    else if (file.size() > MaxFileBytes)
        reason = QStringLiteral("is larger than %1 MiB").arg(MaxFileBytes / (1024 * 1024));
    if (reason.isEmpty())
        return true;
    m_refused = true;
    QTextStream(stderr)
        << "ringglory: the settings file " << QDir::toNativeSeparators(m_path) << ' ' << reason
        << "; the game starts with the default settings and keeps changes for this session only\n";
    return false;
}

void QtSettings::setValue(const QString &key, const QVariant &value)
{
    if (!fileIsUsable()) {
        m_inMemory.setValue(key, value);
        return;
    }
    QSettings settings(m_path, QSettings::NativeFormat);
    settings.beginGroup(QStringLiteral("Settings"));
    settings.setValue(key, value);
    settings.endGroup();
    // The program may end at once right after this, without running any destructor.
    settings.sync();
}

QVariant QtSettings::value(const QString &key) const
{
    if (!fileIsUsable())
        return m_inMemory.value(key);
    const QSettings settings(m_path, QSettings::NativeFormat);
    return settings.value(QStringLiteral("Settings/") + key);
}
