#include "HairPainter.h"

#include "Colours.h"

using Colours::ink;
using Colours::mixed;
using Colours::scaled;
using Hair = BoxerFace::Hair;

namespace {

QPen roundPen(const QColor &colour, double width)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QPainterPath polygonPath(const QPolygonF &polygon)
{
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

QPainterPath curve(QPointF from, QPointF control, QPointF to)
{
    QPainterPath path(from);
    path.quadTo(control, to);
    return path;
}

QPainterPath circle(QPointF centre, double radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

} // namespace

HairPainter::HairPainter(QPainter &painter, const BoxerFace &face, const FaceGeometry &geometry)
    : m_painter(painter), m_face(face), m_g(geometry), m_sideY(geometry.eyeY - 5.5)
{
}

QColor HairPainter::lighter(int percent) const
{
    return mixed(m_face.hairColour, Qt::white, percent);
}

QColor HairPainter::darker(int percent) const
{
    return scaled(m_face.hairColour, 100 - percent);
}

QPainterPath HairPainter::cap(double grow, double y, double corner) const
{
    return m_g.headOutline(grow).intersected(m_g.aboveHairline(y, m_sideY, corner));
}

void HairPainter::fill(const QPainterPath &path, const QBrush &brush, double outline) const
{
    m_painter.setBrush(brush);
    m_painter.setPen(outline > 0 ? roundPen(ink(), outline) : QPen(Qt::NoPen));
    m_painter.drawPath(path);
}

void HairPainter::strands(const QPainterPath &clip, const std::vector<QLineF> &lines, const QColor &colour,
                          double width) const
{
    m_painter.save();
    m_painter.setClipPath(clip);
    m_painter.setPen(roundPen(colour, width));
    for (const QLineF &line : lines)
        m_painter.drawLine(line);
    m_painter.restore();
}

void HairPainter::glints(const QPainterPath &clip, const std::vector<QPainterPath> &curves,
                         const QColor &colour, double width) const
{
    m_painter.save();
    m_painter.setClipPath(clip);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setPen(roundPen(colour, width));
    for (const QPainterPath &path : curves)
        m_painter.drawPath(path);
    m_painter.restore();
}

void HairPainter::paintBehind() const
{
    const double cx = m_g.cx;
    const double top = m_g.shape.top;
    const QColor hair = m_face.hairColour;
    if (m_face.hair == Hair::Topknot) {
        const QPainterPath bun = circle({cx, top - 3.6}, 5.0);
        fill(bun, hair);
        strands(bun,
                {QLineF(cx - 3.5, top - 5.5, cx + 1.0, top - 7.5),
                 QLineF(cx - 2.0, top - 2.5, cx + 3.5, top - 5.0)},
                lighter(25), 0.5);
    }
    if (m_face.hair == Hair::Dreadlocks) {
        // Locks fall from the crown past both cheeks to the shoulders.
        std::vector<QPainterPath> locks;
        for (int side : {-1, 1}) {
            for (int k = 0; k < 4; ++k) {
                const double x = cx + side * (m_g.skullRx - 4.0 + k * 1.6);
                QPainterPath lock(QPointF(x, top + 4 + k * 2.5));
                lock.quadTo(cx + side * (m_g.skullRx + 3.0 + k * 2.0), top + 22 + k * 2.0,
                            cx + side * (m_g.skullRx - 1.0 + k * 3.2), 53 + k * 3.5);
                locks.push_back(lock);
            }
        }
        // Each lock outlined on its own, so that they read as separate ropes of hair.
        m_painter.setBrush(Qt::NoBrush);
        for (const QPainterPath &lock : locks) {
            m_painter.setPen(roundPen(ink(), 3.2));
            m_painter.drawPath(lock);
            m_painter.setPen(roundPen(hair, 2.0));
            m_painter.drawPath(lock);
        }
    }
    if (m_face.headwear == BoxerFace::Headwear::Mongkol) {
        // The tail of the sacred headband stands up behind the crown.
        QPainterPath tail(QPointF(cx - 2.5, top + 4));
        tail.quadTo(cx + 0.5, top - 4, cx + 8.0, top - 8.5);
        tail.quadTo(cx + 3.5, top - 2.0, cx + 2.5, top + 4);
        tail.closeSubpath();
        fill(tail, QColor(0xF4, 0xEF, 0xE6));
        strands(tail, {QLineF(cx + 1, top - 3, cx + 3, top - 1), QLineF(cx + 4, top - 6, cx + 5.5, top - 4)},
                QColor(0xC0, 0x28, 0x2D), 1.1);
    }
}

void HairPainter::paintOver() const
{
    const double cx = m_g.cx;
    const double top = m_g.shape.top;
    const double hairline = m_g.hairline;
    const double temple = m_g.shape.templeHalf;
    const QColor hair = m_face.hairColour;

    switch (m_face.hair) {
    case Hair::Bald: {
        m_painter.save();
        m_painter.setClipPath(m_g.head);
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(scaled(m_face.skin, 112));
        m_painter.drawEllipse(QPointF(cx - 6, top + 4.5), 3.6, 1.7);
        m_painter.restore();
        break;
    }
    case Hair::Buzz: {
        const QPainterPath shaved = cap(0.3, hairline, 0.6);
        fill(shaved, mixed(m_face.skin, hair, 62), 0);
        m_painter.save();
        m_painter.setClipPath(shaved);
        fill(m_g.headOutline(0.3), Qt::NoBrush, 1.0);
        m_painter.restore();
        break;
    }
    case Hair::CrewCut: {
        QPainterPath flatTop;
        flatTop.addRect(QRectF(0, top - 1.0, 73, 70));
        QPainterPath crew = cap(1.6, hairline, 0.7).intersected(flatTop);
        fill(crew, hair);
        std::vector<QLineF> bristles;
        for (int k = -4; k <= 4; ++k)
            bristles.emplace_back(cx + k * 3.2, top + 0.5, cx + k * 3.4, top + 2.8);
        strands(crew, bristles, lighter(28), 0.45);
        break;
    }
    case Hair::FlatTop: {
        QPainterPath block;
        block.addRoundedRect(QRectF(cx - temple * 0.86, top - 6.5, temple * 1.72, 16), 1.8, 1.8);
        const QPainterPath flat =
            cap(1.4, hairline, 0.7).united(block).intersected(m_g.aboveHairline(hairline, m_sideY, 0.7));
        fill(flat, hair);
        std::vector<QLineF> bristles;
        for (int k = -4; k <= 4; ++k)
            bristles.emplace_back(cx + k * 3.3, top - 5.5, cx + k * 3.3, top - 2.0);
        bristles.emplace_back(cx - temple * 0.8, top - 1.5, cx + temple * 0.8, top - 1.5);
        strands(flat, bristles, lighter(22), 0.45);
        break;
    }
    case Hair::SidePart: {
        QPainterPath sweep(QPointF(cx - 7, top - 2));
        sweep.cubicTo(cx - 2, hairline - 3.5, cx + 9, hairline - 0.5, cx + temple + 1.5, hairline + 4.5);
        sweep.lineTo(cx + temple + 3, top);
        sweep.closeSubpath();
        const QPainterPath parted = cap(2.0, hairline).united(sweep.intersected(m_g.headOutline(2.0)));
        fill(parted, hair);
        strands(parted,
                {QLineF(cx - 7.5, top - 0.5, cx - 9.5, hairline - 1.5),
                 QLineF(cx - 3, top + 1, cx + 8, hairline - 0.5),
                 QLineF(cx + 1, top + 0.5, cx + 12, hairline + 0.5)},
                lighter(30), 0.55);
        break;
    }
    case Hair::Spiky:
        paintSpikes();
        break;
    case Hair::Mohawk:
        paintMohawk();
        break;
    case Hair::ShortAfro: {
        const QPainterPath afro = cap(3.4, hairline, 0.95);
        fill(afro, hair);
        std::vector<QLineF> dots;
        for (int row = 0; row < 9; ++row)
            for (int column = -9; column <= 9; ++column) {
                const double x = cx + column * 2.3 + (row % 2) * 1.15;
                const double y = top - 3 + row * 2.1;
                dots.emplace_back(x, y, x + 0.3, y + 0.2);
            }
        strands(afro, dots, lighter(18), 0.55);
        break;
    }
    case Hair::PunchPerm:
        paintCurls(2.0, 2.0, 11.0, true);
        break;
    case Hair::Wavy: {
        paintCurls(2.0, 3.8, 30.0, false);
        QPainterPath wave(QPointF(cx - 4, hairline - 1.5));
        wave.cubicTo(cx + 1, hairline + 4.5, cx + 7, hairline + 0.5, cx + 10, hairline + 5.5);
        wave.cubicTo(cx + 5.5, hairline + 4.0, cx + 1, hairline + 7.0, cx - 4, hairline - 1.5);
        wave.closeSubpath();
        fill(wave, hair);
        glints(cap(3.0, hairline).united(wave),
               {curve({cx - 12, hairline - 1}, {cx - 9, top}, {cx - 2, top - 1.5}),
                curve({cx + 3, top}, {cx + 9, top + 1}, {cx + 12, hairline - 2}),
                curve({cx + 1, hairline + 1}, {cx + 5, hairline + 2.5}, {cx + 8, hairline + 3.5})},
               lighter(32), 0.7);
        break;
    }
    case Hair::Receding:
        paintReceding();
        break;
    case Hair::SlickedBack: {
        const QPainterPath peak = polygonPath(
            QPolygonF({{cx - 3.5, hairline - 0.5}, {cx, hairline + 2.6}, {cx + 3.5, hairline - 0.5}}));
        const QPainterPath slick = cap(2.0, hairline, 0.4).united(peak);
        fill(slick, hair);
        std::vector<QLineF> grooves;
        for (int k = -3; k <= 3; ++k)
            grooves.emplace_back(cx + k * 3.6, hairline + 0.5, cx + k * 4.6, top - 2);
        strands(slick, grooves, darker(40), 0.45);
        glints(slick, {curve({cx - 12, hairline - 0.5}, {cx - 2, hairline - 8.5}, {cx + 10, hairline - 1.5})},
               lighter(38), 0.9);
        break;
    }
    case Hair::Pompadour: {
        // The front is combed up and forward into a roll that overhangs the forehead.
        QPainterPath roll;
        roll.addEllipse(QPointF(cx + 1.5, hairline - 6.0), temple * 0.84, 8.5);
        const QPainterPath back = cap(1.2, hairline, 0.5);
        fill(back, hair);
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(scaled(m_face.skin, 80));
        m_painter.drawEllipse(QPointF(cx + 2, hairline + 2.0), temple * 0.7, 2.0);
        fill(roll, hair);
        glints(roll,
               {curve({cx - 11, hairline - 5}, {cx, hairline - 12.5}, {cx + 13, hairline - 5.5}),
                curve({cx - 9, hairline - 1}, {cx + 2, hairline - 6}, {cx + 13, hairline - 2})},
               lighter(40), 0.9);
        glints(roll, {curve({cx - 12, hairline - 3}, {cx + 1, hairline - 9}, {cx + 14, hairline - 3.5})},
               darker(45), 0.45);
        break;
    }
    case Hair::Topknot: {
        const QPainterPath sleek = cap(0.9, hairline);
        fill(sleek, hair);
        std::vector<QLineF> combed;
        for (int k = -3; k <= 3; ++k)
            combed.emplace_back(cx + k * 4.2, hairline + 0.5, cx + k * 1.2, top - 0.5);
        strands(sleek, combed, lighter(22), 0.45);
        QPainterPath tie;
        tie.addRoundedRect(QRectF(cx - 2.6, top - 1.9, 5.2, 2.0), 0.6, 0.6);
        fill(tie, QColor(0x8A, 0x1F, 0x1F), 0.5);
        break;
    }
    case Hair::Dreadlocks: {
        const QPainterPath crown = cap(2.0, hairline);
        fill(crown, hair);
        std::vector<QLineF> partings;
        for (int k = -4; k <= 4; ++k)
            partings.emplace_back(cx + k * 3.0, hairline + 0.5, cx + k * 3.8, top - 2.5);
        strands(crown, partings, darker(45), 0.5);
        // A lock on each side falls in front, over the ear.
        for (int side : {-1, 1}) {
            QPainterPath lock(QPointF(cx + side * (temple - 3.5), hairline - 0.5));
            lock.quadTo(cx + side * (temple + 1.5), m_g.eyeY - 2, cx + side * (temple + 1.0), m_g.eyeY + 9);
            m_painter.setBrush(Qt::NoBrush);
            m_painter.setPen(roundPen(ink(), 3.4));
            m_painter.drawPath(lock);
            m_painter.setPen(roundPen(hair, 2.3));
            m_painter.drawPath(lock);
        }
        break;
    }
    case Hair::Fringe: {
        const double b = m_g.browY;
        const QPainterPath bangs = polygonPath(QPolygonF({{cx - temple - 1, hairline - 2},
                                                          {cx - temple + 0.5, b - 3.5},
                                                          {cx - 9, b - 5.5},
                                                          {cx - 6.5, b - 1.2},
                                                          {cx - 3.5, b - 5.0},
                                                          {cx + 0.5, b - 0.8},
                                                          {cx + 3.5, b - 4.8},
                                                          {cx + 7, b - 1.5},
                                                          {cx + 9.5, b - 5.0},
                                                          {cx + temple - 0.5, b - 2.8},
                                                          {cx + temple + 1, hairline - 2}}));
        const QPainterPath mop = cap(2.2, hairline).united(bangs);
        fill(mop, hair);
        strands(mop,
                {QLineF(cx - 6.5, b - 1.5, cx - 4.5, hairline - 3),
                 QLineF(cx + 0.5, b - 1.2, cx + 1.5, hairline - 3),
                 QLineF(cx + 7, b - 1.8, cx + 6, hairline - 3), QLineF(cx - 12, b - 4, cx - 9, hairline - 2)},
                lighter(22), 0.5);
        break;
    }
    case Hair::TiedBack: {
        const QPainterPath pulled = cap(1.0, hairline);
        fill(pulled, hair);
        std::vector<QLineF> combed;
        for (int k = -3; k <= 3; ++k)
            combed.emplace_back(cx + k * 4.0, hairline + 0.5, cx + k * 5.5, top - 1.5);
        strands(pulled, combed, lighter(20), 0.45);
        // One strand has come loose over the forehead.
        QPainterPath strand(QPointF(cx - 1, top + 1));
        strand.cubicTo(cx - 5, hairline, cx - 2, hairline + 4, cx - 5.5, m_g.browY - 0.8);
        m_painter.setBrush(Qt::NoBrush);
        m_painter.setPen(roundPen(ink(), 1.6));
        m_painter.drawPath(strand);
        m_painter.setPen(roundPen(hair, 0.8));
        m_painter.drawPath(strand);
        break;
    }
    }
}

void HairPainter::paintSpikes() const
{
    const double cx = m_g.cx;
    const double hairline = m_g.hairline;
    QPainterPath spiky = cap(1.2, hairline);
    for (int k = 0; k < 9; ++k) {
        const double angle = 196.0 + k * 18.5;
        const double reach = (k % 2) ? 5.0 : 7.0;
        spiky = spiky.united(polygonPath(QPolygonF(
            {m_g.onSkull(angle - 10, 0.5), m_g.onSkull(angle + 4, reach), m_g.onSkull(angle + 10, 0.5)})));
    }
    for (double x : {-12.0, -6.5, -1.0, 4.5}) {
        spiky = spiky.united(polygonPath(QPolygonF(
            {{cx + x, hairline - 2.5}, {cx + x + 3.8, hairline + 4.2}, {cx + x + 5.5, hairline - 2.5}})));
    }
    fill(spiky, m_face.hairColour);
    if (m_face.streakColour.isValid()) {
        // Dyed stripes, the way a tiger wears them.
        std::vector<QLineF> stripes;
        for (int k = -2; k <= 2; ++k)
            stripes.emplace_back(cx + k * 7.0 - 2.0, m_g.shape.top - 3, cx + k * 7.0 + 1.5,
                                 m_g.shape.top + 6.5);
        for (int side : {-1, 1})
            stripes.emplace_back(cx + side * (m_g.shape.templeHalf - 1), hairline - 5,
                                 cx + side * (m_g.shape.templeHalf + 3), hairline - 3);
        strands(spiky, stripes, m_face.streakColour, 2.2);
        fill(spiky, Qt::NoBrush);
    }
}

void HairPainter::paintMohawk() const
{
    const double cx = m_g.cx;
    const double top = m_g.shape.top;
    const double hairline = m_g.hairline;
    const QPainterPath shaved = cap(0.3, hairline, 0.6);
    fill(shaved, mixed(m_face.skin, m_face.hairColour, 40), 0);
    m_painter.save();
    m_painter.setClipPath(shaved);
    fill(m_g.headOutline(0.3), Qt::NoBrush, 1.0);
    m_painter.restore();

    QPainterPath crest(QPointF(cx - 4.5, hairline + 0.5));
    crest.lineTo(cx - 6.0, top - 3.5);
    crest.lineTo(cx - 3.0, top - 1.0);
    crest.lineTo(cx - 2.5, top - 7.5);
    crest.lineTo(cx + 0.3, top - 2.5);
    crest.lineTo(cx + 2.0, top - 9.0);
    crest.lineTo(cx + 3.2, top - 2.5);
    crest.lineTo(cx + 6.0, top - 6.0);
    crest.lineTo(cx + 4.8, hairline + 0.5);
    crest.quadTo(cx, hairline + 2.5, cx - 4.5, hairline + 0.5);
    crest.closeSubpath();
    fill(crest, m_face.hairColour);
    strands(crest,
            {QLineF(cx - 2, hairline, cx - 2.5, top - 5), QLineF(cx + 1.5, hairline, cx + 1.8, top - 6)},
            lighter(30), 0.55);
}

void HairPainter::paintCurls(double grow, double radius, double step, bool curled) const
{
    const double cx = m_g.cx;
    const double hairline = m_g.hairline;
    QPainterPath curls = cap(grow, hairline + 0.5);
    for (double angle = 186.0; angle <= 354.0; angle += step)
        curls = curls.united(circle(m_g.onSkull(angle, grow + 0.8), radius));
    for (int k = -4; k <= 4; ++k)
        curls = curls.united(circle({cx + k * 3.4, hairline + 0.8}, radius * 0.85));
    curls = curls.intersected(m_g.aboveHairline(hairline + 2.5, m_sideY, 0.3));
    fill(curls.simplified(), m_face.hairColour, 0.8);
    if (!curled) return;

    m_painter.save();
    m_painter.setClipPath(curls);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setPen(roundPen(lighter(24), 0.5));
    for (int row = 0; row < 5; ++row)
        for (int column = -5; column <= 5; ++column) {
            const double x = cx + column * radius * 1.9 + (row % 2) * radius;
            const double y = m_g.shape.top - 1 + row * radius * 1.7;
            m_painter.drawArc(QRectF(x - radius * 0.6, y - radius * 0.6, radius * 1.2, radius * 1.2), 30 * 16,
                              200 * 16);
        }
    m_painter.restore();
}

void HairPainter::paintReceding() const
{
    const double cx = m_g.cx;
    const double top = m_g.shape.top;
    const double temple = m_g.shape.templeHalf;
    std::vector<QPointF> points{
        {cx - 45, -20},
        {cx + 45, -20},
        {cx + 45, m_sideY},
        {cx + temple - 2, m_sideY},
        {cx + temple - 1.5, top + 9},
        {cx + 6, top + 2.4},
        {cx + 2.5, top + 4.6},
        {cx, top + 5.4},
        {cx - 2.5, top + 4.6},
        {cx - 6, top + 2.4},
        {cx - temple + 1.5, top + 9},
        {cx - temple + 2, m_sideY},
        {cx - 45, m_sideY},
    };
    std::vector<double> tightness{1, 1, 1, 1, 0.4, 0.2, 0, 0, 0, 0.2, 0.4, 1, 1};
    const QPainterPath thinning = m_g.headOutline(1.0).intersected(smoothClosedPath(points, tightness));
    fill(thinning, m_face.hairColour);
    if (m_face.streakColour.isValid()) {
        // Grey has come in at the temples first.
        m_painter.save();
        m_painter.setClipPath(thinning);
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(mixed(m_face.hairColour, m_face.streakColour, 65));
        m_painter.drawRect(QRectF(0, 0, cx - temple + 5, 70));
        m_painter.drawRect(QRectF(cx + temple - 5, 0, 40, 70));
        m_painter.restore();
        fill(thinning, Qt::NoBrush);
    }
    strands(thinning,
            {QLineF(cx - temple, m_sideY - 3, cx - temple + 3, top + 6),
             QLineF(cx + temple, m_sideY - 3, cx + temple - 3, top + 6)},
            lighter(30), 0.45);
}

void HairPainter::paintHeadwear() const
{
    switch (m_face.headwear) {
    case BoxerFace::Headwear::None:
        break;
    case BoxerFace::Headwear::Headgear:
        paintHeadgear();
        break;
    case BoxerFace::Headwear::Mongkol:
        paintBand(m_g.hairline + 1.0, 4.2, true);
        break;
    case BoxerFace::Headwear::Headband:
        paintBand(m_g.browY - 6.5, 3.2, false);
        break;
    }
}

void HairPainter::paintBand(double top, double thickness, bool twisted) const
{
    const double cx = m_g.cx;
    const double reach = m_g.shape.templeHalf + 1.8;
    QPainterPath band(QPointF(cx - reach, top + 3.5));
    band.quadTo(cx, top - 2.5, cx + reach, top + 3.5);
    band.lineTo(cx + reach - 0.2, top + 3.5 + thickness);
    band.quadTo(cx, top - 2.5 + thickness, cx - reach + 0.2, top + 3.5 + thickness);
    band.closeSubpath();
    const QColor cloth = twisted ? QColor(0xF4, 0xEF, 0xE6) : m_face.headwearColour;
    if (!twisted) {
        // The knot's two tails flutter out on one side.
        for (double drop : {5.5, 9.0}) {
            QPainterPath tail(QPointF(cx - reach + 1, top + 3.5));
            tail.quadTo(cx - reach - 3, top + 4 + drop * 0.4, cx - reach - 5.5, top + 3 + drop);
            tail.lineTo(cx - reach - 3.5, top + 4.5 + drop);
            tail.quadTo(cx - reach - 1, top + 5 + drop * 0.5, cx - reach + 2, top + 3.5 + thickness);
            tail.closeSubpath();
            fill(tail, scaled(cloth, 85));
        }
    }
    fill(band, cloth);
    if (twisted) {
        // A rope wound with coloured thread.
        std::vector<QLineF> wraps;
        for (int k = -7; k <= 7; ++k)
            wraps.emplace_back(cx + k * 3.0 - 1.2, top - 2, cx + k * 3.0 + 1.2, top + 9);
        strands(band, wraps, QColor(0xC0, 0x28, 0x2D), 1.0);
        std::vector<QLineF> blue;
        for (int k = -7; k <= 7; ++k)
            blue.emplace_back(cx + k * 3.0 + 0.3, top - 2, cx + k * 3.0 + 2.7, top + 9);
        strands(band, blue, QColor(0x2A, 0x3F, 0x9A), 0.6);
        fill(band, Qt::NoBrush);
    } else {
        strands(band,
                {QLineF(cx - reach, top + 3.5 + thickness * 0.5, cx + reach, top + 3.5 + thickness * 0.5)},
                scaled(cloth, 80), 0.4);
    }
}

void HairPainter::paintHeadgear() const
{
    const BoxerFace::Shape &s = m_g.shape;
    const double cx = m_g.cx;
    const QColor gear = m_face.headwearColour;
    const double openHalf = m_g.eyeGap + 4.6;

    // The chin strap runs under the jaw from one cheek pad to the other.
    QPainterPath strap(QPointF(cx - s.cheekHalf + 1, s.jawY));
    strap.quadTo(cx, s.chinY + 5.5, cx + s.cheekHalf - 1, s.jawY);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setPen(roundPen(ink(), 2.8));
    m_painter.drawPath(strap);
    m_painter.setPen(roundPen(QColor(0x2A, 0x2A, 0x2E), 1.9));
    m_painter.drawPath(strap);

    const std::vector<QPointF> outer{
        {cx, s.top - 4.5},
        {cx + s.templeHalf * 0.85, s.top - 2},
        {cx + s.templeHalf + 4.5, s.top + 10},
        {cx + s.cheekHalf + 4.2, s.cheekY + 2},
        {cx + s.cheekHalf + 2.0, s.jawY + 1.5},
        {cx + s.cheekHalf - 4.5, s.jawY + 2.5},
        {cx - s.cheekHalf + 4.5, s.jawY + 2.5},
        {cx - s.cheekHalf - 2.0, s.jawY + 1.5},
        {cx - s.cheekHalf - 4.2, s.cheekY + 2},
        {cx - s.templeHalf - 4.5, s.top + 10},
        {cx - s.templeHalf * 0.85, s.top - 2},
    };
    const std::vector<QPointF> opening{
        {cx, m_g.browY - 4.2},
        {cx + openHalf - 1.5, m_g.browY - 3.6},
        {cx + openHalf + 0.5, m_g.eyeY + 3},
        {cx + openHalf - 1.0, m_g.mouthY + 1.5},
        {cx + 5, s.chinY + 9},
        {cx - 5, s.chinY + 9},
        {cx - openHalf + 1.0, m_g.mouthY + 1.5},
        {cx - openHalf - 0.5, m_g.eyeY + 3},
        {cx - openHalf + 1.5, m_g.browY - 3.6},
    };
    const QPainterPath shell =
        smoothClosedPath(outer, {0, 0, 0, 0, 0.5, 0.3, 0.3, 0.5, 0, 0, 0})
            .subtracted(smoothClosedPath(opening, {0, 0.2, 0, 0, 0.3, 0.3, 0, 0, 0.2}));
    fill(shell, gear, 0);
    m_painter.save();
    m_painter.setClipPath(shell);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(scaled(gear, 78));
    m_painter.drawEllipse(QPointF(cx + s.cheekHalf + 10, s.cheekY), 11.0, 40.0);
    m_painter.setBrush(mixed(gear, Qt::white, 30));
    m_painter.drawRect(QRectF(cx - 1.6, s.top - 6, 3.2, m_g.browY - s.top));
    // Padding seams and the vents over the ears.
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setPen(roundPen(scaled(gear, 65), 0.55));
    QPainterPath seam(QPointF(cx - openHalf, m_g.browY - 7.5));
    seam.quadTo(cx, m_g.browY - 10.5, cx + openHalf, m_g.browY - 7.5);
    m_painter.drawPath(seam);
    for (int side : {-1, 1}) {
        m_painter.drawLine(QPointF(cx + side * (openHalf + 2.2), m_g.browY - 5),
                           QPointF(cx + side * (openHalf + 2.6), s.jawY));
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(scaled(gear, 50));
        m_painter.drawEllipse(QPointF(cx + side * (s.cheekHalf + 0.6), m_g.eyeY + 2), 1.3, 1.3);
        m_painter.setBrush(Qt::NoBrush);
        m_painter.setPen(roundPen(scaled(gear, 65), 0.55));
    }
    m_painter.restore();
    fill(shell, Qt::NoBrush, 1.0);
}
