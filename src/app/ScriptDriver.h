#pragma once

#include "app/ScriptTargets.h"

#include <QMetaObject>
#include <QString>
#include <initializer_list>
#include <memory>

class Game;
class QEvent;
class QTemporaryDir;
class ScriptedPrompter;
class SessionRecorder;
class Transcript;
class QObject;
class QWidget;

// Runs a game script: clicks, mouse moves, waits on the virtual clock and answers for
// the boxes to come, one command per line, writing what happens to the transcript.
class ScriptDriver
{
public:
    // The longest wait one command may ask for: a day of game time. A longer one would keep the
    // title's clock ticking for hours of real time, or for ever.
    static constexpr qint64 MaxWaitMs = 24 * 60 * 60 * 1000;
    // The most game time one script may ask for in all its waits: thirty days, far past any
    // session a player leaves open, and still only seconds of real time when run at once.
    static constexpr qint64 MaxScriptGameMs = 30 * MaxWaitMs;

    ScriptDriver(Game &game, ScriptedPrompter &prompter, Transcript &transcript);
    // Gives the working folder back as it was before a `privatefolder`, and removes that folder.
    ~ScriptDriver();
    ScriptDriver(const ScriptDriver &) = delete;
    ScriptDriver &operator=(const ScriptDriver &) = delete;

    // The recorder told of each command that is an input, so the inputs a script delivers are
    // recorded as a player's are; null for none.
    void setRecorder(SessionRecorder *recorder) { m_recorder = recorder; }

    // Runs the script's lines in order until the end or until the program ends.
    // Returns true when every command ran.
    bool run(const QString &script);
    // Runs one line of a script as line lineNumber; an error is written to the transcript.
    void runCommand(int lineNumber, QString line);
    // From here on the session's files live in a private folder of its own, and the dialogs'
    // folders, the files written and the file boxes' answers stay inside it. False, with the
    // reason in error and nothing changed, when no such folder can be made.
    bool enterPrivateFolder(QString *error);
    // How much game time the script's waits may still ask for.
    qint64 gameTimeLeft() const { return MaxScriptGameMs - m_gameTimeAsked; }
    // The player takes the session over: the working folder and the dialogs go back to where
    // they were before a `privatefolder`, which is removed at once, and a career saved or
    // loaded there no longer names a file in it. Nothing changes without a private folder.
    void leavePrivateFolder();

private:
    void runLine(int lineNumber, const QString &line);
    void click(const QString &target);
    void move(const QString &formName, const QString &x, const QString &y);
    // Advances the clock as wait does (advance) or as the real game does after a stall (catch up).
    enum class Clock { Advance, CatchUp };
    void wait(const QString &ms, Clock clock);
    // A mouse button goes down on a button, or comes up over it (a click) or away from it.
    void press(const QString &target);
    void release(const QString &target, bool away);
    // The window's close box.
    void close(const QString &formName);
    // Writes a file carried in the script into the folder the load dialog shows.
    void file(const QString &name, const QString &base64);
    // The `privatefolder` line: a script that cannot have its folder stops, so nothing it meant
    // to keep there reaches the folder it runs in.
    void usePrivateFolder();
    // Confines a save or load dialog to the private folder, or lets it go when there is none.
    void confineDialog(QWidget *form);
    // A record made by another version of the game is played with a warning that says so.
    void checkVersion(const QString &comment);
    // Sends the screen's focused widget a key going down (press), up, or down again by auto-repeat.
    enum class KeyStroke { Down, Up, Repeat };
    void key(const QString &formName, const QString &keyName, std::initializer_list<KeyStroke> strokes);
    void setText(const QString &target, const QString &text);
    void changeDirectory(const QString &formName, const QString &path);
    void select(const QString &target, const QString &name);
    void read(const QString &target);
    void printState();
    // Sets an option by its name and word, as the settings dialog would.
    void setting(const QString &name, const QString &value);

    QWidget *findForm(const QString &name);
    // The button named by target; when it must be usable, its tab page is picked first.
    QWidget *findButton(const QString &target, bool mustBeUsable);
    QObject *findControl(const QString &target, QWidget **form);
    bool checkUsable(QWidget *form, QObject *control, const QString &target);
    void fail(const QString &message);

    Game &m_game;
    ScriptedPrompter &m_prompter;
    Transcript &m_transcript;
    ScriptTargets m_targets;
    SessionRecorder *m_recorder = nullptr;
    std::unique_ptr<QTemporaryDir> m_privateFolder;
    QString m_folderBefore;
    QMetaObject::Connection m_dialogWatch;
    int m_lineNumber = 0;
    qint64 m_gameTimeAsked = 0;
    bool m_halted = false;
    // Files carried since the load dialog last listed its folder: it lists them once, when the
    // next other command comes, rather than once per file.
    bool m_listingStale = false;
};
