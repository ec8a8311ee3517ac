#pragma once

#include "platform/core/Timer.h"

#include <QMainWindow>

class Game;
class QLabel;
class QPushButton;

// The title screen: New Game, Load Game, the file and help menus and a status bar
// with the date and a live clock. It closes itself as soon as either button is pressed.
class frmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmMain(Game &game);

protected:
    // Form_Unload: closes the other windows and stores the placement; a close by the
    // close box (not by New Game or Load Game) then ends the program.
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildStatusBar();
    void refreshClock();
    void newGame();
    void loadGame();
    void exitGame();
    void storePlacement();

    Game &m_game;
    Timer m_clockTimer;
    QLabel *m_dateLabel = nullptr;
    QLabel *m_timeLabel = nullptr;
    bool m_handingOver = false;
};
