// Feeds arbitrary bytes to the script driver as a game script, on a fresh game each
// time, as `ringglory --script` does: every command, answer, wait and click the driver
// accepts must leave the game sound, and everything it refuses must be refused cleanly.
#include "app/ScriptedGame.h"
#include "platform/Transcript.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {
// Game time one input may ask for: a wait of years would tick the title's clock for years.
constexpr qint64 MaxGameMs = 30 * 60 * 1000;

// Whether the script stays inside the fuzzer's own folder and asks for a bounded time. A
// script could otherwise aim the save dialog at any folder of the machine and write into it.
bool isContained(const QString &script)
{
    if (script.contains(QLatin1Char('/')) || script.contains(QLatin1Char('\\')) ||
        script.contains(QLatin1String("..")) || script.contains(QLatin1String("Drive")))
        return false;
    qint64 totalMs = 0;
    for (const QString &line : script.split(QLatin1Char('\n'))) {
        const QStringList words = line.simplified().split(QLatin1Char(' '));
        if (words.first() != QLatin1String("wait"))
            continue;
        for (qsizetype i = 1; i < words.size(); ++i) {
            bool ok = false;
            const qint64 ms = words[i].toLongLong(&ok);
            if (ok && ms > 0)
                totalMs += std::min(ms, MaxGameMs + 1);
        }
        if (totalMs > MaxGameMs)
            return false;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_script";
    static char *argv[] = {name, nullptr};
    // The application lives as long as the process: destroyed by the exit handlers, after
    // Qt's own statics have gone, it would crash on its way out.
    new QApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("RingGlory"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(gothicFont(9, false));
    static QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString script = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!isContained(script))
        return -1;
    {
        QString output;
        QTextStream stream(&output);
        Transcript transcript(stream);
        ScriptedGame scripted(transcript);
        scripted.driver().run(script);
    }
    // Whatever the game left for deletion goes now, so nothing piles up from one input to the next.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
