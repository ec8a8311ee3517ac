#include "app/CommandLine.h"

#include "app/ScriptFile.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

CommandLine::CommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Ring Glory: a boxing career game."));
    // The parser's own help and version options would also answer to -? and --help-all, and
    // print the version from an application object that does not exist yet.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption script(
        QStringLiteral("script"),
        QStringLiteral("Play the game headless by the commands in FILE (a regular file of at most %1 MiB) "
                       "and write what happens to standard output.")
            .arg(ScriptFile::MaxBytes / (1024 * 1024)),
        QStringLiteral("FILE"));
    parser.addOptions({help, version, script});

    if (!parser.parse(arguments)) {
        m_action = Action::Refuse;
        m_text = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        m_action = Action::Refuse;
        m_text = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    } else if (parser.isSet(help)) {
        m_action = Action::ShowHelp;
        // Without an application object the parser cannot know the program's name.
        m_text = parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("ringglory"));
    } else if (parser.isSet(version)) {
        m_action = Action::ShowVersion;
        m_text = QStringLiteral("ringglory " RINGGLORY_VERSION "\n");
    } else if (parser.isSet(script)) {
        m_action = Action::RunScript;
        m_scriptPath = parser.value(script);
    }
}
