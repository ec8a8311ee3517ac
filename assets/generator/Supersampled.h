#pragma once

#include <QImage>
#include <QPainter>

// A canvas drawn without antialiasing at Factor times the size of the picture and then
// averaged down in whole numbers. Aliased drawing and integer averaging give the same
// pixels on every machine, where Qt's antialiasing could differ in the last bit.
class Supersampled
{
public:
    static constexpr int Factor = 4;

    // A canvas for a picture of that size, filled with the background.
    Supersampled(QSize size, QColor background, bool withAlpha = false);

    // A painter on the canvas that takes coordinates in pixels of the final picture.
    QPainter &painter() { return m_painter; }

    // Ends the drawing and returns the picture at its final size.
    QImage result();

private:
    QSize m_size;
    QImage m_canvas;
    QPainter m_painter;
};
