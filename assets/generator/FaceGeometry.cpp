#include "FaceGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

QPainterPath smoothClosedPath(const std::vector<QPointF> &points, const std::vector<double> &tightness)
{
    const size_t n = points.size();
    auto tangent = [&](size_t i) {
        const QPointF &before = points[(i + n - 1) % n];
        const QPointF &after = points[(i + 1) % n];
        return (after - before) * ((1.0 - tightness[i]) / 2.0);
    };
    QPainterPath path(points[0]);
    for (size_t i = 0; i < n; ++i) {
        const size_t next = (i + 1) % n;
        path.cubicTo(points[i] + tangent(i) / 3.0, points[next] - tangent(next) / 3.0, points[next]);
    }
    path.closeSubpath();
    return path;
}

FaceGeometry::FaceGeometry(const BoxerFace &face) : shape(face.shape)
{
    const BoxerFace::Shape &s = shape;
    eyeY = s.top + (s.chinY - s.top) * 0.5;
    eyeGap = std::clamp(s.cheekHalf * 0.4, 7.6, 9.2);
    browY = eyeY - 4.4;
    noseY = eyeY + 8.8;
    mouthY = noseY + (s.chinY - noseY) * 0.40;
    hairline = s.top + (eyeY - s.top) * 0.36;
    skullRx = std::max(s.templeHalf + 0.5, s.cheekHalf - 1.0);
    skullRy = 15.0;
    skullCentreY = s.top + skullRy;

    const double templeY = s.top + 10.0;
    outlinePoints = {
        {cx, s.top},
        {cx + s.templeHalf * 0.72, s.top + 2.2},
        {cx + s.templeHalf, templeY},
        {cx + s.cheekHalf, s.cheekY},
        {cx + s.jawHalf, s.jawY},
        {cx + s.chinHalf, s.chinY},
        {cx - s.chinHalf, s.chinY},
        {cx - s.jawHalf, s.jawY},
        {cx - s.cheekHalf, s.cheekY},
        {cx - s.templeHalf, templeY},
        {cx - s.templeHalf * 0.72, s.top + 2.2},
    };
    outlineTightness = {0, 0, 0, 0, s.jawCorner, 0.35, 0.35, s.jawCorner, 0, 0, 0};
    head = headOutline(0.0);
}

QPainterPath FaceGeometry::headOutline(double grow) const
{
    const QPointF centre(cx, eyeY);
    std::vector<QPointF> moved;
    for (const QPointF &point : outlinePoints) {
        const QPointF away = point - centre;
        const double length = std::hypot(away.x(), away.y());
        moved.push_back(point + away * (grow / length));
    }
    return smoothClosedPath(moved, outlineTightness);
}

QPointF FaceGeometry::onSkull(double degrees, double grow) const
{
    const double radians = degrees * std::numbers::pi / 180.0;
    return {cx + (skullRx + grow) * std::cos(radians), skullCentreY + (skullRy + grow) * std::sin(radians)};
}

QPainterPath FaceGeometry::aboveHairline(double y, double sideY, double cornerTightness) const
{
    const double side = shape.templeHalf - 2.0;
    std::vector<QPointF> points{
        {cx - 45, -20},
        {cx + 45, -20},
        {cx + 45, sideY},
        {cx + side + 0.5, sideY},
        {cx + side, y + 2.0},
        {cx + side * 0.5, y + 0.3},
        {cx, y},
        {cx - side * 0.5, y + 0.3},
        {cx - side, y + 2.0},
        {cx - side - 0.5, sideY},
        {cx - 45, sideY},
    };
    std::vector<double> tightness{1, 1, 1, 1, cornerTightness, 0, 0, 0, cornerTightness, 1, 1};
    return smoothClosedPath(points, tightness);
}
