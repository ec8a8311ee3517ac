#pragma once

#include "BoxerFace.h"

#include <QPainterPath>

// Where the parts of a face lie, worked out from its shape: shared by the face and the hair.
struct FaceGeometry
{
    explicit FaceGeometry(const BoxerFace &face);

    double cx = 36.5; // the picture's middle
    BoxerFace::Shape shape;
    double eyeY;
    double eyeGap; // from the middle to each eye's centre
    double browY;
    double noseY; // the line of the nostrils
    double mouthY;
    double hairline;
    double skullCentreY; // the skull is taken as an ellipse around this point
    double skullRx;
    double skullRy;
    std::vector<QPointF> outlinePoints;
    std::vector<double> outlineTightness;
    QPainterPath head; // the outline of the face and skull

    // The outline of the face and skull pushed outwards by that many pixels.
    QPainterPath headOutline(double grow) const;
    // The point on the skull's ellipse, grown by that many pixels, at an angle in degrees
    // (0 to the right, 270 straight up).
    QPointF onSkull(double degrees, double grow) const;
    // Everything above a hairline that lies at y in the middle and comes down to sideY at the
    // temples; cornerTightness 0 rounds the corners, 1 makes them square.
    QPainterPath aboveHairline(double y, double sideY, double cornerTightness = 0.3) const;
};

// A smooth closed curve through the points; where tightness is 1 the curve makes a corner.
QPainterPath smoothClosedPath(const std::vector<QPointF> &points, const std::vector<double> &tightness);
