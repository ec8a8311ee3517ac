#pragma once

#include "data/GameState.h"
#include "history/core/CareerHistory.h"
#include "options/core/GameOptions.h"
#include "options/core/ScaleFit.h"
#include "platform/Help.h"
#include "platform/Prompter.h"
#include "platform/Settings.h"
#include "platform/Sound.h"
#include "platform/SysInfo.h"
#include "platform/Terminator.h"
#include "platform/core/Random.h"
#include "platform/core/Scheduler.h"
#include "title/frmMain.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <memory>

class ActivityScreen;
class Ending;
class Growth;
class MainCommand;
class MyStatus;
class NextEnemyData;
class Senseki;
class frmAbout;
class SettingsDialog;
class Spar;
class PunchingBall;
class SandBag;
class Setsumei;
class Transcript;
class loadFile;
class saveFile;

// Owns the whole game: its state, its clock and chance, the ports to the player and
// the machine, and every screen. Screens reach each other only through it.
class Game : public QObject
{
    Q_OBJECT
public:
    struct Ports
    {
        std::unique_ptr<Random> random;
        std::unique_ptr<Prompter> prompter;
        std::unique_ptr<Sound> sound;
        std::unique_ptr<Settings> settings;
        std::unique_ptr<Terminator> terminator;
        std::unique_ptr<Help> help;
        std::unique_ptr<SysInfo> sysInfo;
    };

    explicit Game(Ports ports);
    ~Game() override;

    GameState &state() { return m_state; }
    // The career day by day; a new career starts it afresh and a load replaces it.
    CareerHistory &history() { return m_history; }
    // The history file beside the save last loaded when the load could not use it (broken,
    // another boxer's, days past the save): the next save there keeps it under another name.
    // Empty when there is none.
    QString &unreadHistoryFile() { return m_unreadHistoryFile; }
    Scheduler &scheduler() { return m_scheduler; }
    Random &random() { return *m_ports.random; }
    Prompter &prompter() { return *m_ports.prompter; }
    Sound &sound() { return *m_ports.sound; }
    Settings &settings() { return *m_ports.settings; }
    Terminator &terminator() { return *m_ports.terminator; }
    Help &help() { return *m_ports.help; }
    SysInfo &sysInfo() { return *m_ports.sysInfo; }

    // The player's options in force now.
    const GameOptions &options() const { return m_options; }
    // Puts new options in force at once (window scale, sound), keeps them in the settings
    // store for the next start, and announces them (optionsChanged).
    void setOptions(const GameOptions &options);
    // From now on keeps every window whole on the screen the game is on, or on a screen
    // area of that size (in device-independent pixels) when one is given: a chosen scale
    // at which a window would not fit gives way to the largest that fits. Headless, the
    // game keeps to no screen.
    void fitWindowsToScreen(const QSize &area = QSize());
    // True when every window of the game fits its screen at that scale.
    bool scaleFits(GameOptions::Scale scale) const;
    // The scale in force: the chosen one, or the largest that fits the screen.
    GameOptions::Scale scaleInForce() const;

    // A message box with the game's defaults (OK only, no icon, the application title).
    Prompter::Answer message(const QString &text, Prompter::Buttons buttons = Prompter::Buttons::Ok,
                             const QString &caption = Prompter::applicationTitle());
    // Ends the program at once; the caller returns right after.
    void end() { terminator().end(); }
    bool hasEnded() const { return m_ports.terminator->hasEnded(); }

    // The title screen while it exists, else null.
    frmMain *title() const { return m_title; }
    // Creates a new title screen and shows it over OPENER (on the screen when null).
    frmMain &openTitle(const QWidget *opener = nullptr);
    // The hub, created on first use.
    MainCommand &hub();
    // The status card, the next opponent's card and the fight record, created on first use.
    MyStatus &myStatus();
    NextEnemyData &nextEnemyData();
    Senseki &senseki();
    // The growth chart, created on first use.
    Growth &growth();
    // The ending screen, created on first use; it stays hidden and silent until openEnding().
    Ending &ending();
    // After the win over the last champion: shows the ending screen over OPENER (the bout)
    // and starts its gongs.
    void openEnding(const QWidget *opener = nullptr);
    // Builds an About box owned by that screen and shows it modally over it; it deletes itself at OK.
    frmAbout &openAbout(QWidget &owner);
    // Opens the settings dialog over that screen (or raises the one open); it pauses the
    // clock while it is open and deletes itself when it closes.
    SettingsDialog &openSettings(QWidget &owner);
    // The settings dialog while it is open, else null.
    SettingsDialog *settingsDialog() const;
    // The fight screen, created on first use.
    Spar &spar();
    // The save dialog, created on first use.
    saveFile &saveDialog();
    // The load dialog, created on first use.
    loadFile &loadDialog();
    // The sandbag training, created on first use.
    SandBag &sandBag();
    // The punching-ball training, created on first use.
    PunchingBall &punchingBall();
    // Builds a new instructions dialog for the activity varSetsumeiNo names and shows it over
    // that activity's screen; it deletes itself when it closes.
    Setsumei &openInstructions();
    // The instructions dialog while it is open, else null.
    Setsumei *instructions() const;
    // The screen that runs an activity or the bout, or null while that screen is not part of the game.
    ActivityScreen *activityScreen(Activity activity);

    // Every screen that exists now, in the order they were created.
    QList<QWidget *> forms() const;
    // The existing screen of that name, or null.
    QWidget *form(const QString &name) const;
    // Hides every visible screen but one, the most recently created first.
    void hideFormsExcept(QWidget *keep);

    // Records screens being shown and hidden in the transcript from now on.
    void setTranscript(Transcript *transcript) { m_transcript = transcript; }
    Transcript *transcript() const { return m_transcript; }

signals:
    // The options in force have changed; screens that show or play them follow at once.
    void optionsChanged();
    // A new screen has become part of the game (see forms()).
    void formRegistered(QWidget *form);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void registerForm(QWidget *form);
    // Makes the window scale and the sound follow the options in force.
    void applyOptions();
    // The free area of the screen the game is on, and the frame a window manager puts round
    // a window there (none before a window has been shown).
    QSize screenArea() const;
    QSize windowFrame() const;
    // Every window's size, with the bars the hub and the title hold round their client areas.
    QList<WindowExtent> windowExtents() const;
    // The screen in that slot, created and registered the first time it is asked for.
    template <typename Form> Form &formOnFirstUse(std::unique_ptr<Form> &slot);

    Ports m_ports;
    Scheduler m_scheduler;
    GameState m_state;
    CareerHistory m_history;
    QString m_unreadHistoryFile;
    GameOptions m_options;
    Transcript *m_transcript = nullptr;
    bool m_fitToScreen = false;
    QSize m_fitArea;
    QList<QPointer<QWidget>> m_forms;
    QPointer<frmMain> m_title;
    std::unique_ptr<MainCommand> m_hub;
    std::unique_ptr<MyStatus> m_myStatus;
    std::unique_ptr<NextEnemyData> m_nextEnemyData;
    std::unique_ptr<Senseki> m_senseki;
    std::unique_ptr<Growth> m_growth;
    std::unique_ptr<Ending> m_ending;
    std::unique_ptr<Spar> m_spar;
    std::unique_ptr<saveFile> m_saveDialog;
    std::unique_ptr<loadFile> m_loadDialog;
    std::unique_ptr<SandBag> m_sandBag;
    std::unique_ptr<PunchingBall> m_punchingBall;
    QPointer<Setsumei> m_instructions;
    QPointer<SettingsDialog> m_settingsDialog;
};
