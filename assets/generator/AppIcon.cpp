#include "AppIcon.h"

#include "Colours.h"
#include "Supersampled.h"

#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace {

QPen roundPen(const QColor &colour, double width)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QPainterPath ellipse(QPointF centre, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath star(QPointF centre, double outer, double inner)
{
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const double radius = i % 2 ? inner : outer;
        points << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

} // namespace

QImage paintAppIcon(int size)
{
    // Drawn on a 256-unit square whatever the size.
    Supersampled canvas(QSize(size, size), Qt::transparent, true);
    QPainter &painter = canvas.painter();
    painter.scale(size / 256.0, size / 256.0);
    const QColor ink = Colours::ink();

    QPainterPath tile;
    tile.addRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1B, 0x2A, 0x4A));
    painter.drawPath(tile);
    painter.setClipPath(tile);
    painter.setBrush(QColor(0x26, 0x3B, 0x66));
    painter.drawEllipse(QPointF(128, 120), 112, 100);
    // The ropes of the ring.
    const QColor ropes[] = {QColor(0xE8, 0x3A, 0x3A), QColor(0xF2, 0xF2, 0xF2), QColor(0x3A, 0x6A, 0xE8)};
    for (int i = 0; i < 3; ++i) {
        painter.setPen(roundPen(ropes[i], 9));
        painter.drawLine(QPointF(0, 150 + i * 30), QPointF(256, 142 + i * 30));
    }
    painter.setClipping(false);

    const QColor red(0xD2, 0x2B, 0x2B);
    const QColor deepRed(0x9E, 0x1A, 0x1E);
    const QPainterPath mitt = ellipse({134, 106}, 64, 60).united(ellipse({112, 148}, 46, 34));
    const QPainterPath thumb = ellipse({76, 122}, 22, 34);
    QPainterPath cuff;
    cuff.addRoundedRect(QRectF(86, 160, 84, 58), 12, 12);

    painter.setPen(roundPen(ink, 7));
    painter.setBrush(QColor(0xF4, 0xF1, 0xEA));
    painter.drawPath(cuff);
    painter.setPen(roundPen(QColor(0xB8, 0xB0, 0xA4), 4));
    for (int i = 0; i < 3; ++i)
        painter.drawLine(QPointF(112 + i * 16, 178), QPointF(120 + i * 16, 204));

    painter.setPen(roundPen(ink, 7));
    painter.setBrush(red);
    painter.drawPath(thumb);
    painter.drawPath(mitt);
    painter.save();
    painter.setClipPath(mitt);
    painter.setPen(Qt::NoPen);
    painter.setBrush(deepRed);
    painter.drawEllipse(QPointF(190, 130), 40, 70);
    painter.setBrush(QColor(0xF0, 0x6A, 0x5E));
    painter.drawEllipse(QPointF(112, 78), 24, 13);
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(roundPen(ink, 5));
    QPainterPath knuckles(QPointF(96, 128));
    knuckles.quadTo(140, 150, 186, 122);
    painter.drawPath(knuckles);
    painter.setPen(roundPen(ink, 7));
    painter.drawPath(mitt);

    painter.setPen(roundPen(QColor(0x7A, 0x52, 0x0E), 4));
    painter.setBrush(QColor(0xF5, 0xC2, 0x2E));
    painter.drawPath(star({196, 56}, 34, 14));
    return canvas.result();
}
