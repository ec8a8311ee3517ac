#pragma once

#include "platform/GameLabel.h"

#include <QWidget>

class Game;
class QLabel;
struct BoxerCard;

// The card layout that the status screen and the next-opponent screen share: heading,
// name, ranking, birthplace, record, the attribute grid and the OK button. Both screens
// keep the label names of the opponent's card, so the player's name sits in lblEnemyName.
class BoxerCardForm : public QWidget
{
    Q_OBJECT
public:
    // Fills every label of the screen from the game state; changes no state.
    virtual void subOriginal() = 0;
    // Disables the opener (it stays visible), fills the screen and shows it.
    void showOver(QWidget &opener);

protected:
    BoxerCardForm(Game &game, const QString &name, const QString &caption, const QString &heading);

    // The screen to enable again when the card closes.
    virtual QWidget &opener() = 0;
    // Writes the card's texts into the shared labels.
    void showCard(const BoxerCard &card);
    // A bold caption label of this screen.
    GameLabel *addLabel(const QString &name, const QString &text, int left, int top, int width, int height);
    // A white value label with its text at the right.
    QLabel *addValue(const QString &name, int left, int top, int width, int height);

    // The close box does what OK does, so the opener is never left disabled.
    void closeEvent(QCloseEvent *event) override;

    Game &m_game;

private:
    void Command1_Click();

    QLabel *m_name = nullptr;
    QLabel *m_ranking = nullptr;
    QLabel *m_birth = nullptr;
    QLabel *m_record = nullptr;
    QLabel *m_status[4] = {};
};
