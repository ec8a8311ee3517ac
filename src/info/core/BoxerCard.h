#pragma once

#include "data/GameState.h"

#include <QString>

// What a boxer's card shows, as texts: the status card of the player and the card of
// the next opponent share it.
struct BoxerCard
{
    QString name;
    QString ranking;
    QString birthplace;
    QString strength;
    QString punch;
    QString quick;
    QString guts;
    QString record;
    // The chairman's note on an opponent; empty on the player's card.
    QString message;
};

// "<wins>勝<losses>敗<draws>分" from the three cells, each as the game shows it.
QString recordText(const Cell &wins, const Cell &losses, const Cell &draws);

// The player's card: strength as current and maximum joined by a slash, no note.
BoxerCard playerCard(const GameState &state);

// The card of the opponent in row `row`: strength alone and the chairman's note.
// A row outside the table gives an empty card.
BoxerCard opponentCard(const GameState &state, int row);
