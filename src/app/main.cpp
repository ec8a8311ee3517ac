#include "app/GamePorts.h"
#include "app/ScriptedGame.h"
#include "platform/GameFiles.h"
#include "platform/Transcript.h"
#include "platform/Twips.h"
#include "platform/WallClockDriver.h"
#include "title/frmMain.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTextStream>
#include <cstring>

namespace {
// The path after --script, or null when the game is to be played.
const char *scriptPath(int argc, char **argv)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--script") == 0)
            return argv[i + 1];
    return nullptr;
}

int runScript(const QString &path)
{
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QTextStream(stderr) << "ringglory: cannot read the script " << path << '\n';
        return 2;
    }
    const QString script = QString::fromUtf8(file.readAll());

    Transcript transcript(out);
    ScriptedGame scripted(transcript);
    return scripted.driver().run(script) ? 0 : 1;
}
} // namespace

int main(int argc, char **argv)
{
    const char *script = scriptPath(argc, argv);
    if (script)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("RingGlory"));
    // The title closes itself before the hub appears; the game ends the program itself.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(gothicFont(9, false));
    if (const QString icon = findGameFile(QStringLiteral("ringglory.png")); !icon.isEmpty())
        QApplication::setWindowIcon(QIcon(icon));

    if (script)
        return runScript(QString::fromLocal8Bit(script));

    Game game(realPorts());
    WallClockDriver driver(game.scheduler());
    game.openTitle();
    return QApplication::exec();
}
