#include "FacePainter.h"

#include "Colours.h"
#include "HairPainter.h"
#include "Supersampled.h"

using Colours::ink;
using Colours::mixed;
using Colours::scaled;

namespace {

QPen roundPen(const QColor &colour, double width)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void fillAndOutline(QPainter &painter, const QPainterPath &path, const QBrush &fill, double outline)
{
    painter.setBrush(fill);
    painter.setPen(outline > 0 ? roundPen(ink(), outline) : QPen(Qt::NoPen));
    painter.drawPath(path);
}

void stroke(QPainter &painter, const QPainterPath &path, const QColor &colour, double width)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(roundPen(colour, width));
    painter.drawPath(path);
}

QPainterPath curve(QPointF from, QPointF control, QPointF to)
{
    QPainterPath path(from);
    path.quadTo(control, to);
    return path;
}

} // namespace

FacePainter::FacePainter(const BoxerFace &face) : m_face(face), m_geometry(face) {}

QColor FacePainter::shadow() const
{
    return scaled(m_face.skin, 84);
}

QImage FacePainter::paint() const
{
    Supersampled canvas(QSize(Width, Height), Qt::white);
    QPainter &painter = canvas.painter();
    const HairPainter hair(painter, m_face, m_geometry);
    hair.paintBehind();
    drawNeck(painter);
    drawEars(painter);
    drawHead(painter);
    drawStubble(painter);
    drawLines(painter);
    for (int side : {-1, 1}) {
        drawEye(painter, side);
        drawBrow(painter, side);
    }
    drawNose(painter);
    drawMouth(painter);
    drawFacialHair(painter);
    drawMarks(painter);
    hair.paintOver();
    hair.paintHeadwear();
    return canvas.result();
}

void FacePainter::drawNeck(QPainter &painter) const
{
    const FaceGeometry &g = m_geometry;
    const BoxerFace::Shape &s = g.shape;
    const double half = s.neckHalf;
    const double cx = g.cx;
    QPainterPath neck(QPointF(cx - half, s.jawY - 6));
    neck.lineTo(cx - half - 0.5, 64);
    neck.quadTo(cx - half - 2, 67.5, cx - half - 10, 71.5);
    neck.lineTo(cx + half + 10, 71.5);
    neck.quadTo(cx + half + 2, 67.5, cx + half + 0.5, 64);
    neck.lineTo(cx + half, s.jawY - 6);
    neck.closeSubpath();
    fillAndOutline(painter, neck, m_face.skin, 0);

    painter.save();
    painter.setClipPath(neck);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow());
    // The jaw throws its shadow down the neck; the light comes from the upper left.
    painter.drawEllipse(QPointF(cx + 1.5, s.chinY), s.jawHalf + 1.5, 6.5);
    painter.drawRect(QRectF(cx + half - 2.5, s.jawY - 6, 6, 30));
    painter.restore();
    stroke(painter, curve({cx - half * 0.55, s.chinY + 4}, {cx - 3, 66}, {cx - 2, 70.5}),
           scaled(m_face.skin, 78), 0.5);
    stroke(painter, curve({cx + half * 0.55, s.chinY + 4}, {cx + 3, 66}, {cx + 2, 70.5}),
           scaled(m_face.skin, 74), 0.5);
    fillAndOutline(painter, neck, Qt::NoBrush, 0.9);
}

void FacePainter::drawEars(QPainter &painter) const
{
    const FaceGeometry &g = m_geometry;
    for (int side : {-1, 1}) {
        const bool swollen = m_face.cauliflowerEar && side == -1;
        const QPointF centre(g.cx + side * (g.shape.cheekHalf + (swollen ? 0.4 : -0.8)), g.eyeY + 2.4);
        const double rx = swollen ? 3.9 : 3.0;
        const double ry = swollen ? 5.6 : 5.2;
        QPainterPath ear;
        ear.addEllipse(centre, rx, ry);
        fillAndOutline(painter, ear, side == 1 ? shadow() : m_face.skin, 0.9);
        if (swollen) {
            // A boxer's ear, thickened by years of blows.
            const QColor lump = mixed(m_face.skin, QColor(0xB8, 0x70, 0x78), 45);
            for (const QPointF offset : {QPointF(-1.2, -2.6), QPointF(-2.0, 0.2), QPointF(-1.2, 2.8)}) {
                QPainterPath bump;
                bump.addEllipse(centre + offset, 1.5, 1.4);
                fillAndOutline(painter, bump, lump, 0.45);
            }
        } else {
            stroke(painter,
                   curve({centre.x() + side * 0.3, centre.y() - 3.0}, {centre.x() + side * 2.4, centre.y()},
                         {centre.x() + side * 0.3, centre.y() + 3.0}),
                   scaled(m_face.skin, 70), 0.7);
        }
    }
}

void FacePainter::drawHead(QPainter &painter) const
{
    const FaceGeometry &g = m_geometry;
    const BoxerFace::Shape &s = g.shape;
    fillAndOutline(painter, g.head, m_face.skin, 0);
    painter.save();
    painter.setClipPath(g.head);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow());
    painter.drawEllipse(QPointF(g.cx + s.cheekHalf + 9.5, s.cheekY + 4), 15.0, 40.0);
    // Under the cheekbone on the lit side too, to give the face its depth.
    painter.drawPath(curve({g.cx - s.cheekHalf + 1, s.cheekY + 3}, {g.cx - s.cheekHalf + 5, s.cheekY + 9},
                           {g.cx - s.jawHalf + 1.5, s.jawY + 1}));
    painter.restore();
    fillAndOutline(painter, g.head, Qt::NoBrush, 1.0);
}

void FacePainter::drawStubble(QPainter &painter) const
{
    if (m_face.beard != BoxerFace::Beard::Stubble) return;
    const FaceGeometry &g = m_geometry;
    const BoxerFace::Shape &s = g.shape;
    const double cx = g.cx;
    QPainterPath area(QPointF(cx - s.cheekHalf - 3, s.cheekY + 2));
    area.lineTo(cx - s.cheekHalf * 0.55, g.noseY + 1);
    area.lineTo(cx - 3, g.noseY + 1.6);
    area.lineTo(cx + 3, g.noseY + 1.6);
    area.lineTo(cx + s.cheekHalf * 0.55, g.noseY + 1);
    area.lineTo(cx + s.cheekHalf + 3, s.cheekY + 2);
    area.lineTo(cx + s.cheekHalf + 3, 75);
    area.lineTo(cx - s.cheekHalf - 3, 75);
    area.closeSubpath();
    painter.save();
    painter.setClipPath(g.head.intersected(area));
    painter.fillRect(QRectF(0, 0, Width, Height), mixed(m_face.skin, m_face.hairColour, 11));
    painter.restore();
    fillAndOutline(painter, g.head, Qt::NoBrush, 1.0);
}

void FacePainter::drawLines(QPainter &painter) const
{
    const FaceGeometry &g = m_geometry;
    const double cx = g.cx;
    const QColor crease = scaled(m_face.skin, 72);
    if (m_face.wrinkles) {
        for (double y : {g.browY - 4.6, g.browY - 7.0})
            stroke(painter, curve({cx - 6.5, y + 0.4}, {cx, y - 1.0}, {cx + 6.5, y + 0.4}), crease, 0.55);
        for (int side : {-1, 1}) {
            const QPointF corner(cx + side * (g.eyeGap + 4.3), g.eyeY + 0.2);
            painter.setPen(QPen(crease, 0.45));
            painter.drawLine(corner, corner + QPointF(side * 2.0, -1.0));
            painter.drawLine(corner + QPointF(0, 0.8), corner + QPointF(side * 2.0, 1.9));
            stroke(painter,
                   curve({cx + side * 3.9, g.noseY - 0.8},
                         {cx + side * (m_face.mouthHalf + 1.5), g.noseY + 2},
                         {cx + side * (m_face.mouthHalf + 1.2), g.mouthY + 0.8}),
                   crease, 0.55);
        }
    }
    if (m_face.eyeBags) {
        for (int side : {-1, 1}) {
            const double ex = cx + side * g.eyeGap;
            stroke(painter, curve({ex - 2.6, g.eyeY + 2.6}, {ex, g.eyeY + 4.2}, {ex + 2.6, g.eyeY + 2.6}),
                   crease, 0.5);
        }
    }
    if (m_face.bruise) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(mixed(m_face.skin, QColor(0x6E, 0x4E, 0x8E), 32));
        painter.drawEllipse(QPointF(cx + g.eyeGap + 0.4, g.eyeY + 2.6), 4.4, 2.6);
    }
}

void FacePainter::drawEye(QPainter &painter, int side) const
{
    const FaceGeometry &g = m_geometry;
    struct EyeShape
    {
        double halfWidth, upper, lower, lift, iris;
    };
    EyeShape e{};
    switch (m_face.eyes) {
    case BoxerFace::Eyes::Normal:
        e = {3.4, 2.1, 1.4, 0.3, 1.9};
        break;
    case BoxerFace::Eyes::Narrow:
        e = {3.6, 1.15, 0.8, 0.3, 1.6};
        break;
    case BoxerFace::Eyes::Round:
        e = {3.2, 2.6, 1.9, 0.0, 2.0};
        break;
    case BoxerFace::Eyes::Sleepy:
        e = {3.5, 2.0, 1.3, -0.2, 1.9};
        break;
    case BoxerFace::Eyes::Sharp:
        e = {3.6, 1.7, 0.9, 1.1, 1.7};
        break;
    }
    const double ex = g.cx + side * g.eyeGap;
    const double ey = g.eyeY;
    const QPointF inner(ex - side * e.halfWidth, ey + 0.2);
    const QPointF outer(ex + side * e.halfWidth, ey - e.lift);
    const QPointF upperControl(ex, ey - 2 * e.upper);
    QPainterPath eye(inner);
    eye.quadTo(upperControl, outer);
    eye.quadTo(QPointF(ex, ey + 2 * e.lower), inner);
    fillAndOutline(painter, eye, QColor(0xFA, 0xF6, 0xF0), 0);

    painter.save();
    painter.setClipPath(eye);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_face.iris);
    painter.drawEllipse(QPointF(ex - side * 0.2, ey - 0.15), e.iris, e.iris);
    painter.setBrush(QColor(0x12, 0x0C, 0x0A));
    painter.drawEllipse(QPointF(ex - side * 0.2, ey - 0.15), 0.85, 0.85);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(ex - side * 0.2 - 0.6, ey - 0.8), 0.45, 0.45);
    painter.restore();

    if (m_face.eyes == BoxerFace::Eyes::Sleepy) {
        // A heavy upper lid hangs over the top half of the eye.
        QPainterPath lid(inner);
        lid.quadTo(upperControl, outer);
        lid.quadTo(QPointF(ex, ey - 0.3), inner);
        fillAndOutline(painter, lid, shadow(), 0);
        stroke(painter, curve(inner, QPointF(ex, ey - 0.3), outer), ink(), 0.9);
    }
    stroke(painter, curve(inner, upperControl, outer), ink(), 1.05);
    if (m_face.eyes == BoxerFace::Eyes::Sharp)
        stroke(painter, curve(outer, outer + QPointF(side * 0.5, -0.1), outer + QPointF(side * 1.0, -0.5)),
               ink(), 0.8);
    stroke(painter, curve(inner, QPointF(ex, ey + 2 * e.lower), outer), mixed(m_face.skin, ink(), 45), 0.45);
}

void FacePainter::drawBrow(QPainter &painter, int side) const
{
    const FaceGeometry &g = m_geometry;
    const double slant = m_face.browSlant;
    const double t = m_face.browThickness;
    const QPointF inner(g.cx + side * m_face.browGap, g.browY + slant);
    const QPointF arch(g.cx + side * (m_face.browGap + 4.2), g.browY - 1.4 - slant * 0.2);
    const QPointF outer(g.cx + side * (m_face.browGap + 7.8), g.browY - 0.2 - slant * 0.35);
    QPainterPath brow(inner - QPointF(0, t / 2));
    brow.quadTo(arch - QPointF(0, t * 0.55), outer - QPointF(0, t * 0.2));
    brow.lineTo(outer + QPointF(0, t * 0.2));
    brow.quadTo(arch + QPointF(0, t * 0.5), inner + QPointF(0, t / 2));
    brow.closeSubpath();
    fillAndOutline(painter, brow, scaled(m_face.hairColour, 85), 0);
}

void FacePainter::drawNose(QPainter &painter) const
{
    const FaceGeometry &g = m_geometry;
    const double cx = g.cx;
    double wing = 2.5;
    double ny = g.noseY;
    switch (m_face.nose) {
    case BoxerFace::Nose::Small:
        break;
    case BoxerFace::Nose::Long:
        wing = 2.6;
        ny += 1.2;
        break;
    case BoxerFace::Nose::Wide:
        wing = 3.9;
        break;
    case BoxerFace::Nose::Broken:
        wing = 2.9;
        break;
    case BoxerFace::Nose::Flat:
        wing = 4.3;
        ny -= 0.6;
        break;
    }
    const QColor bridge = scaled(m_face.skin, 70);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow());
    painter.drawEllipse(QPointF(cx + 0.6, ny + 1.3), wing * 0.7, 0.8);
    if (m_face.nose == BoxerFace::Nose::Broken) {
        // Set crooked after a break: the bridge kinks to one side.
        QPainterPath line(QPointF(cx + 1.0, g.eyeY + 1.2));
        line.lineTo(cx - 0.7, g.eyeY + 4.6);
        line.lineTo(cx + 1.6, ny - 2.4);
        line.lineTo(cx + wing - 0.4, ny - 1.4);
        stroke(painter, line, bridge, 0.7);
    } else if (m_face.nose == BoxerFace::Nose::Flat) {
        stroke(painter, curve({cx + 1.8, ny - 4.2}, {cx + 2.6, ny - 2.6}, {cx + wing - 0.6, ny - 1.6}),
               bridge, 0.7);
    } else {
        stroke(painter, curve({cx + 1.3, g.eyeY + 1.5}, {cx + 2.2, ny - 4}, {cx + wing - 0.6, ny - 1.6}),
               bridge, 0.7);
    }
    for (int side : {-1, 1}) {
        stroke(painter,
               curve({cx + side * (wing - 0.9), ny - 2.2}, {cx + side * (wing + 0.6), ny - 0.2},
                     {cx + side * (wing - 1.3), ny + 0.5}),
               ink(), 0.75);
        painter.setPen(Qt::NoPen);
        painter.setBrush(scaled(m_face.skin, 45));
        painter.drawEllipse(QPointF(cx + side * (wing - 1.9), ny + 0.15), 0.85, 0.5);
    }
    stroke(painter, curve({cx - wing + 1.6, ny + 0.7}, {cx, ny + 1.4}, {cx + wing - 1.6, ny + 0.7}),
           mixed(m_face.skin, ink(), 40), 0.5);
}

void FacePainter::drawMouth(QPainter &painter) const
{
    const FaceGeometry &g = m_geometry;
    const double cx = g.cx;
    const double m = m_face.mouthHalf;
    const double my = g.mouthY;
    const QColor lip = shadow();
    switch (m_face.mouth) {
    case BoxerFace::Mouth::Flat:
        stroke(painter, curve({cx - m, my}, {cx, my + 0.7}, {cx + m, my}), ink(), 0.9);
        stroke(painter, curve({cx - m * 0.5, my + 2.3}, {cx, my + 3.0}, {cx + m * 0.5, my + 2.3}), lip, 0.7);
        break;
    case BoxerFace::Mouth::Frown:
        stroke(painter, curve({cx - m, my + 1.3}, {cx, my - 1.1}, {cx + m, my + 1.3}), ink(), 0.9);
        stroke(painter, curve({cx - m * 0.45, my + 2.6}, {cx, my + 3.0}, {cx + m * 0.45, my + 2.6}), lip,
               0.7);
        break;
    case BoxerFace::Mouth::Smirk:
        stroke(painter, curve({cx - m, my + 0.4}, {cx + 0.5, my + 1.0}, {cx + m, my - 1.6}), ink(), 0.9);
        stroke(painter, curve({cx + m + 0.4, my - 2.6}, {cx + m + 1.1, my - 1.6}, {cx + m + 0.8, my - 0.6}),
               lip, 0.6);
        stroke(painter, curve({cx - m * 0.45, my + 2.4}, {cx, my + 3.0}, {cx + m * 0.45, my + 2.2}), lip,
               0.7);
        break;
    case BoxerFace::Mouth::Grin:
    case BoxerFace::Mouth::MouthGuard: {
        const bool guard = m_face.mouth == BoxerFace::Mouth::MouthGuard;
        const double depth = guard ? 4.2 : 6.0;
        QPainterPath open(QPointF(cx - m, my - 1.2));
        open.quadTo(cx, my + 0.6, cx + m, my - 1.2);
        open.quadTo(cx, my + depth, cx - m, my - 1.2);
        fillAndOutline(painter, open, QColor(0x4E, 0x1C, 0x1A), 0);
        painter.save();
        painter.setClipPath(open);
        if (guard) {
            // A gum shield fills the mouth.
            const QColor shield = mixed(m_face.headwearColour, Qt::white, 35);
            painter.fillRect(QRectF(cx - m, my - 3, 2 * m, 3.9), shield);
            stroke(painter, curve({cx - m, my - 0.2}, {cx, my + 1.4}, {cx + m, my - 0.2}), scaled(shield, 75),
                   0.5);
        } else {
            painter.fillRect(QRectF(cx - m, my - 3, 2 * m, 3.7), QColor(0xFB, 0xF8, 0xF0));
            painter.setPen(QPen(QColor(0xB8, 0xB0, 0xA8), 0.35));
            for (int k = -2; k <= 2; ++k)
                painter.drawLine(QPointF(cx + k * 2.3, my - 2), QPointF(cx + k * 2.3, my + 0.6));
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0xB4, 0x50, 0x4A));
            painter.drawEllipse(QPointF(cx, my + 4.2), m * 0.55, 1.5);
        }
        painter.restore();
        fillAndOutline(painter, open, Qt::NoBrush, 0.9);
        break;
    }
    case BoxerFace::Mouth::Clenched: {
        QPainterPath teeth;
        teeth.addRoundedRect(QRectF(cx - m, my - 1.4, 2 * m, 3.0), 1.2, 1.2);
        fillAndOutline(painter, teeth, QColor(0xFB, 0xF8, 0xF0), 0.8);
        painter.setPen(QPen(QColor(0xA8, 0xA0, 0x98), 0.4));
        painter.drawLine(QPointF(cx - m + 0.6, my + 0.1), QPointF(cx + m - 0.6, my + 0.1));
        for (int k = -2; k <= 2; ++k)
            painter.drawLine(QPointF(cx + k * 2.2, my - 1.2), QPointF(cx + k * 2.2, my + 1.4));
        stroke(painter, curve({cx - m * 0.45, my + 3.0}, {cx, my + 3.6}, {cx + m * 0.45, my + 3.0}), lip,
               0.7);
        break;
    }
    }
}

void FacePainter::drawFacialHair(QPainter &painter) const
{
    const FaceGeometry &g = m_geometry;
    const BoxerFace::Shape &s = g.shape;
    const double cx = g.cx;
    const double m = m_face.mouthHalf;
    const double my = g.mouthY;
    const double ny = g.noseY;
    const QColor hair = m_face.hairColour;

    auto moustache = [&](double top, double tipX, double tipY, double bottom) {
        QPainterPath path(QPointF(cx, top));
        path.quadTo(cx - tipX * 0.6, top - 0.4, cx - tipX, tipY);
        path.quadTo(cx - tipX * 0.5, bottom - 0.2, cx, bottom);
        path.quadTo(cx + tipX * 0.5, bottom - 0.2, cx + tipX, tipY);
        path.quadTo(cx + tipX * 0.6, top - 0.4, cx, top);
        fillAndOutline(painter, path, hair, 0.5);
    };
    auto goatee = [&](double halfWidth, double bottom) {
        QPainterPath path(QPointF(cx - halfWidth, my + 2.6));
        path.quadTo(cx - halfWidth, bottom - 1.0, cx, bottom);
        path.quadTo(cx + halfWidth, bottom - 1.0, cx + halfWidth, my + 2.6);
        path.quadTo(cx, my + 3.6, cx - halfWidth, my + 2.6);
        fillAndOutline(painter, path, hair, 0.5);
    };

    switch (m_face.beard) {
    case BoxerFace::Beard::None:
    case BoxerFace::Beard::Stubble:
        break;
    case BoxerFace::Beard::Moustache:
        moustache(ny + 1.7, m + 1.2, my + 0.6, my - 0.9);
        break;
    case BoxerFace::Beard::ThinMoustache:
        moustache(my - 2.7, m + 0.4, my - 0.5, my - 1.3);
        break;
    case BoxerFace::Beard::FullMoustache:
        moustache(ny + 1.2, m + 1.6, my + 3.2, my - 0.2);
        break;
    case BoxerFace::Beard::Goatee:
        goatee(m * 0.6, s.chinY + 1.0);
        break;
    case BoxerFace::Beard::MoustacheAndGoatee:
        moustache(ny + 1.8, m + 2.0, my + 3.6, my - 0.8);
        goatee(2.4, s.chinY + 4.5);
        break;
    case BoxerFace::Beard::CircleBeard: {
        moustache(ny + 1.7, m + 1.0, my + 0.8, my - 0.8);
        QPainterPath ring(QPointF(cx - m - 1.0, my - 0.6));
        ring.quadTo(cx - m - 1.4, s.chinY + 0.5, cx, s.chinY + 1.2);
        ring.quadTo(cx + m + 1.4, s.chinY + 0.5, cx + m + 1.0, my - 0.6);
        ring.lineTo(cx + m - 0.6, my + 0.4);
        ring.quadTo(cx + 1.5, my + 3.0, cx, my + 3.1);
        ring.quadTo(cx - 1.5, my + 3.0, cx - m + 0.6, my + 0.4);
        ring.closeSubpath();
        fillAndOutline(painter, ring, hair, 0.5);
        break;
    }
    }

    if (m_face.sideburns) {
        painter.save();
        painter.setClipPath(g.head);
        painter.setPen(Qt::NoPen);
        painter.setBrush(hair);
        for (int side : {-1, 1}) {
            const double outerX = cx + side * (s.cheekHalf + 1);
            const double innerX = cx + side * (s.templeHalf - 2.4);
            painter.drawPolygon(QPolygonF({{innerX, g.hairline + 4},
                                           {outerX, g.hairline + 4},
                                           {outerX, s.cheekY + 2.5},
                                           {innerX + side * 0.8, s.cheekY + 2.5}}));
        }
        painter.restore();
        fillAndOutline(painter, g.head, Qt::NoBrush, 1.0);
    }
}

void FacePainter::drawMarks(QPainter &painter) const
{
    const FaceGeometry &g = m_geometry;
    const QColor scar = mixed(m_face.skin, QColor(0xE0, 0x9A, 0x9A), 55);
    for (const QLineF &line : m_face.scars) {
        painter.setPen(roundPen(scar, 1.3));
        painter.drawLine(line);
        painter.setPen(roundPen(scaled(scar, 78), 0.45));
        painter.drawLine(line);
    }
    if (m_face.plaster) {
        painter.save();
        painter.translate(g.cx, g.eyeY + 3.4);
        painter.rotate(-12);
        QPainterPath strip;
        strip.addRoundedRect(QRectF(-5.5, -1.6, 11, 3.2), 1.2, 1.2);
        painter.setBrush(QColor(0xEF, 0xCB, 0x9A));
        painter.setPen(roundPen(QColor(0xA0, 0x80, 0x60), 0.45));
        painter.drawPath(strip);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xF7, 0xE6, 0xCC));
        painter.drawRect(QRectF(-1.6, -1.25, 3.2, 2.5));
        painter.restore();
    }
}
