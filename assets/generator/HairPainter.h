#pragma once

#include "BoxerFace.h"
#include "FaceGeometry.h"

#include <QPainter>

// Draws a face's hair and whatever the boxer wears on his head, in the faces' shared style.
class HairPainter
{
public:
    HairPainter(QPainter &painter, const BoxerFace &face, const FaceGeometry &geometry);

    // What lies behind the head: long locks, a topknot, the tail of a headband.
    void paintBehind() const;
    // The hair on the skull and over the forehead.
    void paintOver() const;
    // Headgear or a band, over everything else.
    void paintHeadwear() const;

private:
    // The hair on the skull: the head's outline grown by grow, above a hairline at y.
    QPainterPath cap(double grow, double y, double corner = 0.3) const;
    void fill(const QPainterPath &path, const QBrush &brush, double outline = 0.9) const;
    void strands(const QPainterPath &clip, const std::vector<QLineF> &lines, const QColor &colour,
                 double width) const;
    void glints(const QPainterPath &clip, const std::vector<QPainterPath> &curves, const QColor &colour,
                double width) const;
    QColor lighter(int percent) const;
    QColor darker(int percent) const;

    void paintSpikes() const;
    void paintMohawk() const;
    void paintCurls(double grow, double radius, double step, bool curled) const;
    void paintReceding() const;
    void paintHeadgear() const;
    void paintBand(double top, double thickness, bool twisted) const;

    QPainter &m_painter;
    const BoxerFace &m_face;
    const FaceGeometry &m_g;
    double m_sideY; // how far down the temples the hair comes
};
