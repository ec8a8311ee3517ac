#include "platform/QtSettings.h"

#include <QSettings>

void QtSettings::setValue(const QString &key, const QVariant &value)
{
    QSettings settings(QStringLiteral("RingGlory"), QStringLiteral("RingGlory"));
    settings.beginGroup(QStringLiteral("Settings"));
    settings.setValue(key, value);
    settings.endGroup();
    // The program may end at once right after this, without running any destructor.
    settings.sync();
}

QVariant QtSettings::value(const QString &key) const
{
    QSettings settings(QStringLiteral("RingGlory"), QStringLiteral("RingGlory"));
    return settings.value(QStringLiteral("Settings/") + key);
}
