#pragma once

#include <QWidget>

class Game;
class QTableWidget;

// "戦績": every bout of the career in a grid of number, opponent and result. Opened from
// the hub and from the ending; its OK goes back to the ending while varEndFlag is 1.
class Senseki : public QWidget
{
    Q_OBJECT
public:
    explicit Senseki(Game &game);

    // Refills the grid from the fight record; changes no state.
    void subOriginal();
    // Disables the opener (it stays visible), fills the grid and shows the screen.
    void showOver(QWidget &opener);

protected:
    // The close box does what OK does, so the opener is never left disabled.
    void closeEvent(QCloseEvent *event) override;

private:
    void Command1_Click();
    QWidget &opener();
    // Rows and columns at their sizes in twips, at the scale in force.
    void sizeGrid();

    Game &m_game;
    QTableWidget *m_grid = nullptr;
};
