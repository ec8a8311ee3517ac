#pragma once

#include "platform/Transcript.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

class Game;
class ScriptDriver;
class ScriptedPrompter;
class QWidget;

// A deterministic monkey that plays the real game headless, one script line at a time
// through the script driver, so that whatever it did can be replayed with
// `ringglory --script`. Its choices come from its own seeded generator; the game keeps
// its own chance untouched.
//
// Each step it clicks a button or menu item of the screen in charge, moves the mouse
// over it, lets game time pass, or (once the game has its save and load dialogs) saves
// the career into a temporary folder and loads it back. Before each click it keeps
// answers queued for the boxes to come: yes or no, and names, mostly acceptable ones.
// When the program ends (quit, game over) it starts a new game and goes on.
//
// After every script line it checks:
//  - the player's strength is a number within 0 and the maximum strength, once a career is on;
//  - varNextEnemy lies within 2..18 once a career is on; varSensekiCount within 0..100;
//  - the round clock (varClockMin, varClockSec) never stands below 0:00;
//  - exactly one screen is in charge unless the program has ended: the application-modal
//    screen if one is open, else the one screen that is visible and enabled. A screen
//    with a modeless dialog over it (an information screen, a file dialog, the
//    instructions) is disabled, so the dialog is the screen in charge;
//  - every bout the chairman announces is recorded in the fight record exactly once,
//    before the hub takes charge again (once the game has a fight screen);
//  - every file the game saved loads back, in a fresh game through the title's Load
//    Game, to the same career as the game shows it;
//  - the script driver ran every line the bot chose (the bot only picks what a player could use).
// On a violation it prints the step, the seed and the game's script so far, and stops.
class SoakBot
{
public:
    struct Options
    {
        quint64 seed = 1;
        qint64 steps = 1000;
        // Lines of the replay printed on a violation; the whole replay goes to failureScript.
        int historyLines = 200;
        // Where the whole script of the failing game is written; empty for nowhere.
        QString failureScript;
        // A step taking longer than this on the wall clock counts as the game hanging.
        int stepLimitSeconds = 60;
    };

    struct Figures
    {
        qint64 steps = 0;
        qint64 lines = 0;
        qint64 games = 0;
        qint64 careers = 0;
        qint64 gameDays = 0;
        qint64 boutsRecorded = 0;
        qint64 savesVerified = 0;
        qint64 loads = 0;
        qint64 gameMs = 0;
        qint64 unansweredBoxes = 0;
    };

    SoakBot(Options options, QTextStream &log);
    ~SoakBot();
    SoakBot(const SoakBot &) = delete;
    SoakBot &operator=(const SoakBot &) = delete;

    // Plays the given number of steps; returns false at the first violation, after reporting it.
    bool run();
    const Figures &figures() const { return m_figures; }
    // The whole script of the game being played, from its start; it plays again in the folder
    // the bot is left in.
    QString script() const { return replayText(-1); }

    // The screens in charge, as defined above: exactly one while the game runs.
    static QList<QWidget *> screensInCharge(const Game &game);

private:
    void probeBuild();
    void newGame();
    void endGame();
    void takeStep();
    QStringList clickableTargets() const;
    // Runs one script line and checks the game after it; false once a check failed.
    bool runLine(const QString &line);
    void click(const QString &target);
    bool keepAnswersQueued();
    QString newName();
    QString unacceptableName();
    void moveMouse(QWidget *form);
    void waitAWhile();
    void saveAndLoad();

    QString checkAfterLine(const QString &line);
    QString checkBouts(int announced, bool loaded);
    QString checkSavedFile(const QString &line);
    QString reloadDiffers(const QString &path, const QJsonObject &expected);
    static QString careerDifference(const QJsonObject &expected, const QJsonObject &actual);
    void report(const QString &violation);
    QString replayText(int lastLines) const;
    void watch();

    quint64 draw();
    int below(int n) { return static_cast<int>(draw() % static_cast<quint64>(n)); }

    Options m_options;
    QTextStream &m_log;
    quint64 m_random;
    Figures m_figures;

    bool m_hasFightScreen = false;
    bool m_hasSaveDialog = false;
    bool m_hasLoadDialog = false;
    QStringList m_avoid;

    QTemporaryDir m_folder;
    QString m_gameFolder;
    QString m_output;
    QTextStream m_stream{&m_output};
    Transcript m_transcript{m_stream};
    ScriptedPrompter *m_prompter = nullptr;
    std::unique_ptr<Game> m_game;
    std::unique_ptr<ScriptDriver> m_driver;

    mutable std::mutex m_replayLock;
    QStringList m_replay;
    QString m_violation;
    std::atomic<qint64> m_step{0};
    int m_boutsOpen = 0;
    int m_lastRecordCount = 0;
    int m_lastDay = 0;
    bool m_careerOn = false;
    int m_saveCounter = 0;

    std::atomic<qint64> m_stepStartedMs{-1};
    std::atomic<bool> m_stopWatching{false};
};
