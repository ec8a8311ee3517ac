#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do on its command line. Read before any window exists, so
// asking for help or the version, or a mistake in the options, needs no display.
class CommandLine
{
public:
    enum class Action {
        Play,        // no options, or --record FILE: the game opens its title screen
        RunScript,   // --script FILE: the game is played headless by the script
        Replay,      // --replay FILE: a record is played in real windows, then the player goes on
        ShowHelp,    // --help or -h: print text() on standard output
        ShowVersion, // --version or -v: print text() on standard output
        Refuse,      // a mistake: print text() on standard error and exit with status 2
    };

    // Reads arguments, the program's own name first as in argv.
    explicit CommandLine(const QStringList &arguments);

    Action action() const { return m_action; }
    // The script's path for RunScript, the record's for Replay.
    QString scriptPath() const { return m_scriptPath; }
    // Where --record asks the session to be recorded; empty for the game's own replays folder.
    QString recordPath() const { return m_recordPath; }
    // How many times faster than it was played a replay runs (--speed, default 1).
    double speed() const { return m_speed; }
    // The bout of the session a replay is shown from (--from-bout, 1 based); 0 shows it from the start.
    int fromBout() const { return m_fromBout; }
    // The usage for ShowHelp, the version line for ShowVersion, what was wrong for Refuse.
    QString text() const { return m_text; }

    // The fastest a replay may be asked to run.
    static constexpr double MaxSpeed = 1000.0;
    // The slowest: a hundredth, so a box stays up at most a hundred seconds, and is never
    // flashed by a time too long to hold.
    static constexpr double MinSpeed = 0.01;

private:
    void refuse(const QString &why);

    Action m_action = Action::Play;
    QString m_scriptPath;
    QString m_recordPath;
    double m_speed = 1.0;
    int m_fromBout = 0;
    QString m_text;
};
