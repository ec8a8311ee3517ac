// Feeds arbitrary bytes to the script driver as a game script, on a fresh game each
// time, as `ringglory --script` does: every command, answer, wait and click the driver
// accepts must leave the game sound, and everything it refuses must be refused cleanly.
#include "app/ScriptDriver.h"
#include "app/ScriptedGame.h"
#include "platform/Transcript.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QDir>
#include <QStringTokenizer>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {
// Game time one input may spend. Each wait is bounded by the driver itself, which is what the
// fuzzer exercises with every number it makes up; a few days let the longest wait run whole,
// while an input of hundreds of day-long waits stops before the title's clock has ticked
// through more than the fuzzer's timeout allows.
constexpr qint64 GameTimeBudgetMs = 3 * ScriptDriver::MaxWaitMs;

// Whether the script stays inside the fuzzer's own folder. A script could otherwise aim the
// save dialog at any folder of the machine and write into it.
bool isContained(const QString &script)
{
    return !script.contains(QLatin1Char('/')) && !script.contains(QLatin1Char('\\')) &&
           !script.contains(QLatin1String("..")) && !script.contains(QLatin1String("Drive"));
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
        int lineNumber = 0;
        for (const QStringView line : QStringTokenizer(script, u'\n')) {
            if (scripted.game().hasEnded() || scripted.game().scheduler().now() > GameTimeBudgetMs)
                break;
            scripted.driver().runCommand(++lineNumber, line.toString());
        }
    }
    // Whatever the game left for deletion goes now, so nothing piles up from one input to the next.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
