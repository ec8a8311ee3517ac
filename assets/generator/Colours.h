#pragma once

#include <QColor>

#include <algorithm>

// Colour arithmetic in whole numbers, so that every machine mixes the same values.
namespace Colours {

// The colour with each primary scaled by percent (100 unchanged, below 100 darker).
inline QColor scaled(const QColor &colour, int percent)
{
    auto scale = [percent](int value) { return std::min(255, (value * percent + 50) / 100); };
    return QColor(scale(colour.red()), scale(colour.green()), scale(colour.blue()));
}

// A mix of a and b holding percent of b.
inline QColor mixed(const QColor &a, const QColor &b, int percent)
{
    auto mix = [percent](int x, int y) { return (x * (100 - percent) + y * percent + 50) / 100; };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

// The colour of every outline in the game's pictures.
inline QColor ink()
{
    return QColor(0x33, 0x21, 0x19);
}

} // namespace Colours
