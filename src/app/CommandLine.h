#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do on its command line. Read before any window exists, so
// asking for help or the version, or a mistake in the options, needs no display.
class CommandLine
{
public:
    enum class Action {
        Play,        // no options: the game opens its title screen
        RunScript,   // --script FILE: the game is played headless by the script
        ShowHelp,    // --help or -h: print text() on standard output
        ShowVersion, // --version or -v: print text() on standard output
        Refuse,      // a mistake: print text() on standard error and exit with status 2
    };

    // Reads arguments, the program's own name first as in argv.
    explicit CommandLine(const QStringList &arguments);

    Action action() const { return m_action; }
    // The script's path for RunScript.
    QString scriptPath() const { return m_scriptPath; }
    // The usage for ShowHelp, the version line for ShowVersion, what was wrong for Refuse.
    QString text() const { return m_text; }

private:
    Action m_action = Action::Play;
    QString m_scriptPath;
    QString m_text;
};
