#include "app/QuietTerminal.h"

#include <QMessageLogContext>

namespace {
QtMessageHandler g_next = nullptr;

void filter(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!QuietTerminal::isHarmless(type, message))
        g_next(type, context, message);
}
} // namespace

void QuietTerminal::install()
{
    g_next = qInstallMessageHandler(filter);
}

bool QuietTerminal::isHarmless(QtMsgType type, const QString &message)
{
    if (type != QtWarningMsg)
        return false;
    // The headless platform of a --script run has no window manager to pass a window's size limits to.
    if (message == QLatin1String("This plugin does not support propagateSizeHints()"))
        return true;
    // No sound server: the game plays without sound, as it does on a machine without an audio device.
    if (message == QLatin1String("PulseAudioService: pa_context_connect() failed"))
        return true;
    // Outside a desktop session (as root, over ssh) Qt chooses a folder for its run-time files itself.
    return message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to "));
}
