#pragma once

#include "BoxerFace.h"
#include "FaceGeometry.h"

#include <QImage>
#include <QPainter>

// Draws one boxer's face, head and shoulders on white, sized for the fight screen's face
// box, in the style every face of the game shares: flat colours, one shadow tone, dark outlines.
class FacePainter
{
public:
    static constexpr int Width = 73;
    static constexpr int Height = 70;

    explicit FacePainter(const BoxerFace &face);

    // The finished picture, Width × Height.
    QImage paint() const;

private:
    void drawNeck(QPainter &painter) const;
    void drawEars(QPainter &painter) const;
    void drawHead(QPainter &painter) const;
    void drawStubble(QPainter &painter) const;
    void drawLines(QPainter &painter) const;
    void drawEye(QPainter &painter, int side) const;
    void drawBrow(QPainter &painter, int side) const;
    void drawNose(QPainter &painter) const;
    void drawMouth(QPainter &painter) const;
    void drawFacialHair(QPainter &painter) const;
    void drawMarks(QPainter &painter) const;

    QColor shadow() const;

    const BoxerFace &m_face;
    FaceGeometry m_geometry;
};
