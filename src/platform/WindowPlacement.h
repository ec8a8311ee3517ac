#pragma once

class QWidget;

// Shows a window with the middle of its frame over the middle of OPENER's frame (or of the
// screen when OPENER is null), wholly within the free area of that screen. The place is set
// before the window shows, so it holds for the first showing too, window manager or not.
void showCentredOver(QWidget &window, const QWidget *opener);
// Shows a window again with the middle of its frame where it was when it last hid (wholly
// within the free area of its screen), or as showCentredOver() the first time.
void showWhereItWas(QWidget &window, const QWidget *opener);
// Puts a window as showCentredOver() does without showing it: for a window that takes its
// size only as it shows, from its show event, before it appears.
void centreOver(QWidget &window, const QWidget *opener);
