#include "app/CommandLine.h"
#include "app/GamePorts.h"
#include "app/QuietTerminal.h"
#include "app/ScriptFile.h"
#include "app/ScriptedGame.h"
#include "platform/GameFiles.h"
#include "platform/Transcript.h"
#include "platform/Twips.h"
#include "platform/WallClockDriver.h"
#include "title/frmMain.h"

#include <QApplication>
#include <QIcon>
#include <QTextStream>

namespace {
int runScript(const QByteArray &script)
{
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    Transcript transcript(out);
    ScriptedGame scripted(transcript);
    return scripted.driver().run(QString::fromUtf8(script)) ? 0 : 1;
}
} // namespace

int main(int argc, char **argv)
{
    QuietTerminal::install();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine commandLine(arguments);
    switch (commandLine.action()) {
    case CommandLine::Action::ShowHelp:
    case CommandLine::Action::ShowVersion:
        QTextStream(stdout) << commandLine.text();
        return 0;
    case CommandLine::Action::Refuse:
        QTextStream(stderr) << "ringglory: " << commandLine.text() << "\nTry 'ringglory --help' for the options.\n";
        return 2;
    case CommandLine::Action::RunScript:
    case CommandLine::Action::Play:
        break;
    }

    // A script is read whole before the game starts, so a file that cannot be one is refused
    // before any window system is touched.
    QByteArray script;
    const bool scripted = commandLine.action() == CommandLine::Action::RunScript;
    if (scripted) {
        QString error;
        if (!ScriptFile::read(commandLine.scriptPath(), &script, &error)) {
            QTextStream(stderr) << "ringglory: " << error << '\n';
            return 2;
        }
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("RingGlory"));
    // The title closes itself before the hub appears; the game ends the program itself.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(gothicFont(9, false));
    if (const QString icon = findGameFile(QStringLiteral("ringglory.png")); !icon.isEmpty())
        QApplication::setWindowIcon(QIcon(icon));

    if (scripted)
        return runScript(script);

    Game game(realPorts());
    WallClockDriver driver(game.scheduler());
    game.openTitle();
    return QApplication::exec();
}
