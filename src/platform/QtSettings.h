#pragma once

#include "platform/Settings.h"

// The player's settings through QSettings, organisation and application "RingGlory".
class QtSettings : public Settings
{
public:
    void setValue(const QString &key, const QVariant &value) override;
    QVariant value(const QString &key) const override;
};
