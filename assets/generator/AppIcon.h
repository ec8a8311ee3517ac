#pragma once

#include <QImage>

// The game's icon for windows and the desktop's menus: a red glove before the ring's ropes
// and a gold star, on a rounded navy square with transparent corners. Size × size pixels.
QImage paintAppIcon(int size);
