#pragma once

#include "platform/SysInfo.h"

#include <QString>

// Finds the system-information tool through the machine's settings registry and starts it.
// A machine without such a registry (Linux, for one) has no tool to offer.
class QtSysInfo : public SysInfo
{
public:
    bool start() override;

private:
    // The text stored under the machine-wide key and value name, or an empty text.
    static QString keyValue(const QString &key, const QString &valueName);
};
