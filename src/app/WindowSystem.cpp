#include "app/WindowSystem.h"

#include <QString>
#include <QStringList>

bool windowSystemReachable()
{
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    const QString platforms = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platforms.isEmpty())
        return x11 || wayland;
    // A list of platforms is tried in order; one that needs no display (offscreen, say) always opens.
    for (const QString &platform : platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = platform.section(QLatin1Char(':'), 0, 0);
        const bool reachable =
            name == QLatin1String("xcb") ? x11 : (!name.startsWith(QLatin1String("wayland")) || wayland);
        if (reachable)
            return true;
    }
    return false;
}
