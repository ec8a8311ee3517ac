#pragma once

#include "options/core/GameOptions.h"

#include <QList>
#include <QSize>

// Which window scales keep every window of the game whole on a screen.

// Twips to whole pixels at a factor: scaled from the whole pixels of the game's own size,
// so that at a whole factor every control is exactly that many times its own size.
int twipsToPixelsAt(int twips, double factor);

// One of the game's windows: its client area in twips, and what it holds round that area
// at the game's own size (menu and status bars) in pixels, which grows with the scale.
struct WindowExtent
{
    QSize clientTwips;
    QSize barsPixels = QSize(0, 0);
};

// The window's outer size in pixels at a factor, with the frame the window manager puts
// round it (which does not grow with the game's scale).
QSize windowSizeAt(const WindowExtent &window, double factor, const QSize &frame);
// True when every window, framed, fits the screen's free area (in pixels) at the scale.
bool windowsFit(const QList<WindowExtent> &windows, const QSize &frame, const QSize &screen,
                GameOptions::Scale scale);
// The scale to put in force for the player's choice: the choice itself when every window
// fits at it, otherwise the largest scale that fits (the game's own size when none does).
GameOptions::Scale fittedScale(GameOptions::Scale chosen, const QList<WindowExtent> &windows,
                               const QSize &frame, const QSize &screen);
