#pragma once

#include "support/GameFixture.h"

class Spar;
class QWidget;

// Starts a new career and plays its days until the first bout starts, leaving the fight
// screen shown and the boxes and sounds of the way there forgotten.
Spar &startFirstBout(GameFixture &fixture);
// Starts a new career and opens sparring from the hub.
Spar &startSparring(GameFixture &fixture);
// Clicks a control of a screen as the player would: false when it is hidden or disabled.
bool clickOn(QWidget *form, const QString &control);
