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
    const QCommandLineOption record(
        QStringLiteral("record"),
        QStringLiteral("Record the session to FILE (with --script, the inputs the script delivers) instead of "
                       "the game's replays folder."),
        QStringLiteral("FILE"));
    const QCommandLineOption replay(
        QStringLiteral("replay"),
        QStringLiteral("Play the record in FILE in the game's windows; Esc stops it, and the game goes on "
                       "from there in your hands."),
        QStringLiteral("FILE"));
    const QCommandLineOption speed(
        QStringLiteral("speed"),
        QStringLiteral(
            "With --replay: run N times faster (default 1; from 0.01 to 1000; 0.5 is half speed)."),
        QStringLiteral("N"));
    const QCommandLineOption fromBout(
        QStringLiteral("from-bout"),
        QStringLiteral("With --replay: go through the record at once up to the start of its K-th bout and show "
                       "it from there."),
        QStringLiteral("K"));
    parser.addOptions({help, version, script, record, replay, speed, fromBout});

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
    } else if (parser.isSet(script) && parser.isSet(replay)) {
        refuse(QStringLiteral("--script and --replay cannot go together."));
    } else if ((parser.isSet(speed) || parser.isSet(fromBout)) && !parser.isSet(replay)) {
        refuse(QStringLiteral("--speed and --from-bout go with --replay."));
    } else if (parser.isSet(replay) && parser.isSet(record)) {
        refuse(QStringLiteral("--record cannot go with --replay."));
    } else if (parser.isSet(replay)) {
        m_action = Action::Replay;
        m_scriptPath = parser.value(replay);
        if (parser.isSet(speed)) {
            bool ok = false;
            m_speed = parser.value(speed).toDouble(&ok);
            if (!ok || !(m_speed >= MinSpeed) || m_speed > MaxSpeed)
                refuse(QStringLiteral("--speed needs a number from %1 to %2, not '%3'.")
                           .arg(MinSpeed)
                           .arg(MaxSpeed)
                           .arg(parser.value(speed)));
        }
        if (parser.isSet(fromBout)) {
            bool ok = false;
            m_fromBout = parser.value(fromBout).toInt(&ok);
            if (!ok || m_fromBout < 1)
                refuse(QStringLiteral("--from-bout needs a bout number from 1, not '%1'.").arg(parser.value(fromBout)));
        }
    } else if (parser.isSet(script)) {
        m_action = Action::RunScript;
        m_scriptPath = parser.value(script);
        m_recordPath = parser.value(record);
    } else {
        m_recordPath = parser.value(record);
    }
}

void CommandLine::refuse(const QString &why)
{
    m_action = Action::Refuse;
    m_text = why;
}
