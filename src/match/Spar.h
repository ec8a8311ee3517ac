#pragma once

#include "data/Cell.h"
#include "hub/ActivityScreen.h"
#include "platform/core/Timer.h"

#include <QColor>
#include <QJsonObject>
#include <QWidget>
#include <array>

class Game;
class KeyBindings;
class LineWidget;
class QLabel;
class QPushButton;
class ShapeWidget;

// The fight screen: a sparring round against a partner made from the player's own
// boxer, or the scheduled bout against the next opponent of the ladder, from the first
// bell to the result. Its member functions live in one file per concern: SparSetup,
// SparPunches, SparEnemyAction, SparRoundClock, SparPlayerDown, SparEnemyDown, SparMatchEnd.
class Spar : public QWidget, public ActivityScreen
{
    Q_OBJECT
public:
    explicit Spar(Game &game);
    ~Spar() override;

    // ActivityScreen
    QWidget *form() override { return this; }
    // Sets the screen up for the match that varSparMode names and starts its clock and the opponent.
    void subOriginal() override;
    // Stops the round clock and the opponent while the instructions are open.
    void holdActivity() override;
    // Starts the round clock and the opponent again.
    void releaseActivity() override;

    // Takes the last punch's damage off the opponent and knocks it down at 0.
    void subEnemyDown();
    // Switches the ring to the floor view of a downed player.
    void subMyDownHyoji();
    // Switches the ring back to the standing opponent.
    void subUpHyoji();
    // Stands the opponent up in its start position and gives the fight back to its action timer.
    void subEnemyUpHyoji();
    // Closes the sparring or the bout: evaluation or record, the chairman, and back to the hub.
    void subEnd();

    // Event handlers, callable as a player's input would call them.
    void LeftPunch_Click(int index);
    void RightPunch_Click(int index);
    // A mouse move over the form's background at X, Y in twips: sets the guard.
    void Form_MouseMove(int x, int y);
    void WakeUp_Click();
    // The mouse button or Space goes down on WakeUp: with the rise assist on and the player
    // down, counts one click at once and one more every 200 ms until wakeUpReleased().
    void wakeUpPressed();
    // The mouse button or Space comes up from WakeUp: the held clicks stop.
    void wakeUpReleased();

    // The screen's public variables as JSON, for the script driver's state command.
    Q_INVOKABLE QJsonObject scriptState() const;

    // The screen's public variables.
    int varMyDown = 0;
    int varEnDown = 0;
    int varDownJotai = 0;
    int varDownWait = 0;
    int varWinLose = 0;
    qint16 varHantei = 0;
    Cell temp;
    Cell WhoDown;
    int varEnDownAll = 0;
    int varMyDownAll = 0;

    // Whether the player guards now (the guard circle shows the guarding colour).
    bool isGuarding() const;
    // The outer width of the window as the match set it, in twips (8475 bout, 4695 sparring).
    int windowWidthTwips() const { return m_windowWidth; }

    // The screen's four timers, as the game names them.
    Timer &WatchCount() { return m_watchCount; }
    Timer &TimerEnemyAction() { return m_timerEnemyAction; }
    Timer &DownCountTimer() { return m_downCountTimer; }
    Timer &EnemyDownUPTimer() { return m_enemyDownUpTimer; }
    // The rise assist's clicks while WakeUp is held.
    Timer &riseAssistTimer() { return m_riseAssist; }

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    // The fight window stays open until the match ends; its close box does nothing.
    void closeEvent(QCloseEvent *event) override;

private:
    // SparSetup.cpp
    void buildRing();
    void buildControls();
    void buildPanel();
    void loadFace(const QString &fileName);
    void setWindowWidthTwips(int outerWidth);

    // SparPunches.cpp
    void punch(int index, int guardHeight);
    // Paints the guard circle from the mouse and Space, with the cue the options ask for.
    void showGuard();

    // SparKeys.cpp
    void bindKeys();
    void spaceDown();
    void spaceUp();
    void spaceResumed();

    // SparEnemyAction.cpp
    void TimerEnemyAction_Timer();
    void setArmHeight(std::array<ShapeWidget *, 2> &arm, int height);
    void showPlayerStrength();

    // SparRoundClock.cpp
    void WatchCount_Timer();
    void decide();
    void startInterval();
    void endInterval();
    bool inInterval() const;

    // SparPlayerDown.cpp
    void DownCountTimer_Timer();
    void collapse();
    void riseFromCount();
    void riseAssistTick();
    bool riseHoldApplies() const;

    // SparEnemyDown.cpp
    void EnemyDownUPTimer_Timer();
    void moveFigure(int dy);
    void showEnemyStrength();
    void setSweatVisible(bool visible);

    // SparMatchEnd.cpp
    void endBout();
    void endSparring();
    void returnToHub();

    // Shared by several concerns.
    void setPunchButtonsVisible(bool visible);
    void setPunchButtonsEnabled(bool enabled);
    void standFigure();
    void setTop(QWidget *widget, int top);
    int topOf(const QWidget *widget) const;
    void setWidthTwips(QWidget *widget, int width);
    int enemyRow() const;
    int enemyFullStrength() const;

    Game &m_game;
    Timer m_watchCount;
    Timer m_timerEnemyAction;
    Timer m_downCountTimer;
    Timer m_enemyDownUpTimer;
    Timer m_riseAssist;
    int m_windowWidth = 0;

    KeyBindings *m_keys = nullptr;
    // The colour the mouse last gave the guard circle; Space held guards over it.
    QColor m_mouseGuardFill;
    bool m_spaceGuard = false;
    // Space went down on WakeUp, so its release belongs to WakeUp, not to the guard.
    bool m_spaceOnWakeUp = false;
    // The last release of Space ended a hold on WakeUp rather than the guard.
    bool m_spaceEndedWakeUp = false;
    // This press of WakeUp was counted by the rise assist; its click must not count again.
    bool m_clickTakenByHold = false;

    QWidget *m_picture = nullptr;
    QLabel *m_head = nullptr;
    std::array<LineWidget *, 8> m_sweat{};
    QLabel *m_lblCount = nullptr;
    std::array<ShapeWidget *, 2> m_rightArm{};
    std::array<ShapeWidget *, 2> m_leftArm{};
    ShapeWidget *m_face = nullptr;
    std::array<ShapeWidget *, 4> m_front{};
    std::array<ShapeWidget *, 4> m_back{};
    std::array<ShapeWidget *, 2> m_leg{};

    QPushButton *m_leftStraight = nullptr;
    QPushButton *m_rightStraight = nullptr;
    QPushButton *m_leftBody = nullptr;
    QPushButton *m_rightBody = nullptr;
    ShapeWidget *m_guardCircle = nullptr;
    // The guard circle's caption: "ガード" in its middle, the longer "ガード中" across the
    // circle's whole width there.
    static constexpr QRect GuardCaptionPlace{1920, 4440, 615, 255};
    static constexpr QRect WideGuardCaptionPlace{1830, 4440, 795, 255};
    QLabel *m_guardCaption = nullptr;
    QPushButton *m_wakeUp = nullptr;
    QLabel *m_timerWatch = nullptr;
    std::array<QLabel *, 2> m_sparHP{};

    QLabel *m_lblKaisen = nullptr;
    QLabel *m_nowRound = nullptr;
    QLabel *m_myName = nullptr;
    ShapeWidget *m_myHPMax = nullptr;
    ShapeWidget *m_myHPNow = nullptr;
    QLabel *m_enName = nullptr;
    ShapeWidget *m_enHPMax = nullptr;
    ShapeWidget *m_enHPNow = nullptr;
};
