#pragma once

class Game;

// New Game after the title has closed: fills the roster, asks the boxer's name and
// birthplace until both are acceptable, welcomes the player, sets the career variables
// and shows the hub.
void startNewCareer(Game &game);
