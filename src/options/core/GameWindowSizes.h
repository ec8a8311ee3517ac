#pragma once

#include "options/core/ScaleFit.h"

#include <QList>

// The client area of every window of the game, in twips: what must fit the screen at a
// window scale. The help window is left out: it keeps to the screen by itself.
QList<WindowExtent> gameWindowSizes();
