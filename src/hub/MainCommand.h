#pragma once

#include "data/GameState.h"

#include <QMainWindow>

class Game;
class GameLabel;
class QLabel;
class QPushButton;
class QTabWidget;

// The hub between bouts: the boxer's card, the day and the countdown, the daily
// commands, the information, save, load and quit commands. It owns the calendar.
class MainCommand : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainCommand(Game &game);

    // Shows the career's boxer afresh: name, ranking title and every value label.
    void refreshCareer();
    // Refreshes every value label from the game state.
    void subMainHyoji();
    // The day advance; on fight day it announces the bout and starts it.
    void subOriginal();
    // The chairman's announcement of the next opponent and the days to the bout.
    void subNextEnemyMsgBox();

protected:
    // The close box asks the same question as 終了.
    void closeEvent(QCloseEvent *event) override;

private:
    void buildCard(QWidget *client);
    void buildTabs(QWidget *client);
    void buildMenus();
    // Shows the boxer's ranking title, set smaller when it is too long for its place.
    void showRanking(const QString &title);
    QPushButton *addTabButton(QWidget *page, const QString &name, const QString &caption, int left, int width);

    void rest();
    void startActivity(Activity activity);
    void startBout();
    void openSaveDialog();
    void overwriteSave();
    void openLoadDialog();
    void quit();

    Game &m_game;
    QLabel *m_name = nullptr;
    QLabel *m_nowDate = nullptr;
    QLabel *m_nextDate = nullptr;
    GameLabel *m_ranking = nullptr;
    QLabel *m_warResult = nullptr;
    QLabel *m_status[5] = {};
    QTabWidget *m_tabs = nullptr;
    QPushButton *m_nextEnemyButton = nullptr;
};
