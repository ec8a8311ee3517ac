#pragma once

#include <QMap>
#include <QString>
#include <QVariant>

// The per-user key-value store of the application "RingGlory", section "Settings".
class Settings
{
public:
    virtual ~Settings() = default;
    // Stores the value under the key and makes sure it reaches the store before returning.
    virtual void setValue(const QString &key, const QVariant &value) = 0;
    // The value stored under the key, or an invalid QVariant when there is none.
    virtual QVariant value(const QString &key) const = 0;
};

// Settings kept in memory: for the script driver and tests, so they never touch the player's own.
class MemorySettings : public Settings
{
public:
    void setValue(const QString &key, const QVariant &value) override { m_values.insert(key, value); }
    QVariant value(const QString &key) const override { return m_values.value(key); }
    const QMap<QString, QVariant> &values() const { return m_values; }

private:
    QMap<QString, QVariant> m_values;
};
