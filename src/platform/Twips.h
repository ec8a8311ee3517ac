#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

class QWidget;

// The game places everything in twips; 15 twips make one device-independent pixel.
constexpr int TwipsPerPixel = 15;

int twipsToPixels(int twips);

// Places a control at left, top, width, height in twips and remembers the twips for read-back.
void placeTwips(QWidget *widget, int left, int top, int width, int height);
// Sets a window's client area size in twips.
void setClientSizeTwips(QWidget *widget, int width, int height);
// The control's place in twips, as last placed (or derived from its pixels if never placed).
QRect twipsGeometry(const QWidget *widget);

// A colour written &HBBGGRR in the game.
QColor vbColor(quint32 bgr);
quint32 toVbColor(const QColor &colour);

// The game's proportional Gothic face at a point size, bold unless asked otherwise.
QFont gothicFont(double pointSize, bool bold = true);
