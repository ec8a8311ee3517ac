#pragma once

#include <QWidget>

class Game;
class GrowthChart;
class QLabel;
class QPushButton;

// "成長記録": the career's history drawn by GrowthChart, with a note when the history starts
// after day 1 and a button that saves the chart as a PNG picture. Opened from the hub and
// from the ending; its OK goes back to the ending while varEndFlag is 1.
class Growth : public QWidget
{
    Q_OBJECT
public:
    explicit Growth(Game &game);

    // Draws the game's history as it stands now; changes no state.
    void subOriginal();
    // Disables the opener (it stays visible), draws the history and shows the screen, OK focused.
    void showOver(QWidget &opener);
    // Asks where to save the chart's picture and writes it there as a PNG; a failure is told.
    void savePicture();

protected:
    // The close box does what OK does, so the opener is never left disabled.
    void closeEvent(QCloseEvent *event) override;

private:
    void okClicked();
    QWidget &opener();

    Game &m_game;
    GrowthChart *m_chart = nullptr;
    QLabel *m_note = nullptr;
    QPushButton *m_ok = nullptr;
};
