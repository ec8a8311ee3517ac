#pragma once

#include "platform/Settings.h"

// The player's settings through QSettings, in the INI file of organisation and application
// "RingGlory". A file that is not a regular file or is larger than MaxFileBytes is never read
// nor written: the session then keeps its settings in memory, from the defaults, and says so
// once on standard error.
class QtSettings : public Settings
{
public:
    // Far more than the game writes, little enough to read at once.
    static constexpr qint64 MaxFileBytes = 1024 * 1024;

    // The store in the file at path.
    explicit QtSettings(QString path = playerFilePath());

    void setValue(const QString &key, const QVariant &value) override;
    QVariant value(const QString &key) const override;

    // Where the player's settings live: RingGlory/RingGlory.conf in the user's configuration
    // folder (XDG_CONFIG_HOME, by default ~/.config).
    static QString playerFilePath();

private:
    // Whether the file may be used; the first time it may not, the reason goes to standard error.
    bool fileIsUsable() const;

    QString m_path;
    mutable bool m_refused = false;
    MemorySettings m_inMemory;
};
