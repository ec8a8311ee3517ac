#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

class QWidget;

// The game places everything in twips; 15 twips make one device-independent pixel at the
// game's own size, and the window scale (ScreenScale) multiplies that.
constexpr int TwipsPerPixel = 15;

// Twips to whole pixels at the scale in force.
int twipsToPixels(int twips);
// Twips to pixels at the scale in force, unrounded, for drawing.
double twipsToPixelsF(double twips);
// Pixels at the scale in force back to twips, to the nearest twip (for the mouse).
int pixelsToTwips(double pixels);
// Pixels at the scale in force back to twips by whole pixels of the game's own size: the
// inverse of twipsToPixels, for sizes and places the game set.
int wholePixelsToTwips(int pixels);

// Places a control at left, top, width, height in twips and remembers the twips for read-back.
void placeTwips(QWidget *widget, int left, int top, int width, int height);
// Sets a window's client area size in twips.
void setClientSizeTwips(QWidget *widget, int width, int height);
// The control's place in twips, as last placed (or derived from its pixels if never placed).
QRect twipsGeometry(const QWidget *widget);
// Sizes every font set on a widget, every window and every placed control afresh for a
// change of scale from previous to factor (ScreenScale calls it).
void rescaleTwipsPlaces(double previous, double factor);

// A colour written &HBBGGRR in the game.
QColor vbColor(quint32 bgr);
quint32 toVbColor(const QColor &colour);

// The game's proportional Gothic face at a point size (at the scale in force), bold unless asked otherwise.
QFont gothicFont(double pointSize, bool bold = true);
