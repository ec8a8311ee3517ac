#include "history/GrowthChart.h"

#include "history/core/HistoryCsv.h"
#include "info/core/FightRecord.h"
#include "platform/ScreenScale.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {
// Sizes at the game's own scale, in pixels; they grow with the window scale.
constexpr double BoutStripHeight = 16;
constexpr double MarkRadius = 4.5;
constexpr double Gap = 4;
constexpr double LegendSwatch = 18;

struct Series
{
    const char *name;
    QColor colour;
    Qt::PenStyle style;
    int DayEntry::*value;
    GrowthChart::Axis axis;
    // Lines drawn first are wider, so that a line drawn over an equal one leaves it showing
    // on both sides (the three values all start at 40).
    double width;
};

// In the order of the script's cells; DrawingOrder puts the strength, which swings from
// day to day, beneath the values that only grow.
const Series AllSeries[] = {
    {"パンチ力", QColor(0xD0, 0x30, 0x30), Qt::SolidLine, &DayEntry::power, GrowthChart::Axis::Values, 1.4},
    {"瞬発力", QColor(0x20, 0x60, 0xD0), Qt::SolidLine, &DayEntry::quickness, GrowthChart::Axis::Values, 3.2},
    {"根性", QColor(0x20, 0x98, 0x40), Qt::SolidLine, &DayEntry::guts, GrowthChart::Axis::Values, 5.0},
    {"体力", QColor(0xF0, 0xA0, 0x30), Qt::SolidLine, &DayEntry::strength, GrowthChart::Axis::Strength, 3.2},
    {"最大体力", QColor(0x80, 0x40, 0xB0), Qt::DashLine, &DayEntry::maxStrength, GrowthChart::Axis::Strength,
     1.4},
};
const int DrawingOrder[] = {3, 4, 2, 1, 0};

enum class Outcome { Win, Loss, Draw, None };

Outcome outcomeOf(int resultCode)
{
    if (resultCode >= 1 && resultCode <= 13)
        return Outcome::Win;
    if (resultCode >= 14 && resultCode <= 26)
        return Outcome::Loss;
    if (resultCode == 27)
        return Outcome::Draw;
    return Outcome::None;
}

// A step of 1, 2 or 5 times a power of ten that cuts span into about parts pieces.
int niceStep(double span, int parts)
{
    const double rough = std::max(1.0, span / parts);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0})
        if (factor * power >= rough)
            return static_cast<int>(factor * power);
    return static_cast<int>(10 * power);
}

// The mark of a bout's outcome, centred on the point: a circle for a win, a cross for a
// loss, a triangle for a draw, so that they differ without their colours too.
void drawMark(QPainter &painter, Outcome outcome, const QPointF &centre, double unit)
{
    const double r = MarkRadius * unit;
    switch (outcome) {
    case Outcome::Win:
        painter.setPen(QPen(QColor(0x90, 0x10, 0x10), unit));
        painter.setBrush(QColor(0xE0, 0x30, 0x30));
        painter.drawEllipse(centre, r, r);
        break;
    case Outcome::Loss:
        painter.setPen(QPen(QColor(0x20, 0x30, 0x90), 2.2 * unit));
        painter.drawLine(centre + QPointF(-r, -r), centre + QPointF(r, r));
        painter.drawLine(centre + QPointF(-r, r), centre + QPointF(r, -r));
        break;
    case Outcome::Draw: {
        QPainterPath triangle;
        triangle.moveTo(centre + QPointF(0, -r - 0.5 * unit));
        triangle.lineTo(centre + QPointF(r + 0.5 * unit, r));
        triangle.lineTo(centre + QPointF(-r - 0.5 * unit, r));
        triangle.closeSubpath();
        painter.setPen(QPen(QColor(0x50, 0x50, 0x50), unit));
        painter.setBrush(QColor(0xA8, 0xA8, 0xA8));
        painter.drawPath(triangle);
        break;
    }
    case Outcome::None:
        break;
    }
    painter.setBrush(Qt::NoBrush);
}

// The top of an axis for values up to needed, cut into parts equal steps of 1, 2 or 5
// times a power of ten.
int axisTop(int needed, int parts)
{
    return niceStep(needed, parts) * parts;
}

// A text drawn up the left or right edge of the plot, centred on it.
void drawUpright(QPainter &painter, const QPointF &centre, const QString &text)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(-90);
    const QFontMetricsF metrics(painter.font());
    painter.drawText(QRectF(-metrics.horizontalAdvance(text), -metrics.height() / 2,
                            2 * metrics.horizontalAdvance(text), metrics.height()),
                     Qt::AlignCenter, text);
    painter.restore();
}
} // namespace

GrowthChart::GrowthChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("chart"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void GrowthChart::setHistory(const CareerHistory &history, const QString &boxer)
{
    m_history = history;
    m_highestValue = 0;
    m_highestStrength = 0;
    for (const DayEntry &entry : m_history.entries())
        for (const Series &series : AllSeries) {
            int &highest = series.axis == Axis::Values ? m_highestValue : m_highestStrength;
            highest = std::max(highest, entry.*series.value);
        }
    // Past the largest value a history file holds (a hand-made save) the lines leave the plot
    // rather than the labels their margin, and the scale's sums stay in range.
    m_highestValue = std::min(m_highestValue, MaxHistoryValue);
    m_highestStrength = std::min(m_highestStrength, MaxHistoryValue);
    // The picture saved from the chart says whose career it is and up to which day.
    const QList<DayEntry> &entries = m_history.entries();
    m_caption = entries.isEmpty() ? boxer
                                  : QStringLiteral("%1　%2日目〜%3日目")
                                        .arg(boxer)
                                        .arg(entries.first().day)
                                        .arg(entries.last().day);
    update();
}

QJsonArray GrowthChart::scriptCells() const
{
    QJsonArray rows;
    for (const DayEntry &entry : m_history.entries()) {
        QJsonArray cells{QString::number(entry.day)};
        for (const Series &series : AllSeries)
            cells.append(QString::number(entry.*series.value));
        rows.append(cells);
    }
    return rows;
}

GrowthChart::Frame GrowthChart::frame() const
{
    Frame frame;
    frame.unit = ScreenScale::factor();
    const double gap = Gap * frame.unit;
    const QFontMetricsF metrics(font());
    const double line = metrics.height();
    const QRectF all = QRectF(rect());
    // From the top: the legend, the plot, the day numbers, the band of ranking titles.
    const double bottom = all.bottom() - (line + gap) - (line + gap);
    const double top = all.top() + line + 2 * gap;
    const QList<DayEntry> &entries = m_history.entries();
    frame.firstDay = entries.isEmpty() ? m_history.startDay() : std::min(m_history.startDay(), entries.first().day);
    frame.lastDay = std::max(frame.firstDay + 1, entries.isEmpty() ? 0 : entries.last().day);
    // Whether the bouts crowd depends on the plot's width, which depends on the widths of
    // the axes' labels, which depend on the room the bouts take: twice round settles it.
    double left = all.left();
    double right = all.right();
    for (int pass = 0; pass < 2; ++pass) {
        frame.plot = QRectF(QPointF(left, top), QPointF(right, bottom));
        frame.crowded = boutsCrowded(frame);
        // Room above the highest line for the strip of bout marks.
        const double strip = (frame.crowded ? 3 : 1) * BoutStripHeight * frame.unit;
        const double room =
            frame.plot.height() > strip ? frame.plot.height() / (frame.plot.height() - strip) : 1;
        const int neededValue = static_cast<int>(std::ceil(std::max(1, m_highestValue) * room));
        const int neededStrength = static_cast<int>(std::ceil(std::max(1, m_highestStrength) * room));
        frame.valueTop = axisTop(neededValue, ValueSteps);
        frame.strengthTop = axisTop(neededStrength, ValueSteps);
        // Each axis: its title up the edge, its numbers, a gap to the plot.
        const double valueLabels = metrics.horizontalAdvance(QString::number(frame.valueTop));
        const double strengthLabels = metrics.horizontalAdvance(QString::number(frame.strengthTop));
        left = all.left() + gap + line + gap + valueLabels + gap;
        right =
            all.right() - std::max(gap + strengthLabels + gap + line + gap, MarkRadius * frame.unit + gap);
    }
    frame.plot = QRectF(QPointF(left, top), QPointF(right, bottom));
    frame.rankings = QRectF(left, bottom + line + gap, frame.plot.width(), line + gap - frame.unit);
    return frame;
}

QPointF GrowthChart::placeOf(const Frame &frame, double day, double value, Axis axis) const
{
    const double x =
        frame.plot.left() + (day - frame.firstDay) / (frame.lastDay - frame.firstDay) * frame.plot.width();
    const int top = axis == Axis::Values ? frame.valueTop : frame.strengthTop;
    const double y = frame.plot.bottom() - value / top * frame.plot.height();
    return {x, y};
}

QPointF GrowthChart::boutMarkOf(const Frame &frame, const DayEntry &entry) const
{
    const double x = placeOf(frame, entry.day, 0, Axis::Values).x();
    const double strip = BoutStripHeight * frame.unit;
    if (!frame.crowded)
        return {x, frame.plot.top() + strip / 2.0};
    const Outcome outcome = outcomeOf(entry.result);
    const int row = outcome == Outcome::Win ? 0 : outcome == Outcome::Loss ? 1 : 2;
    return {x, frame.plot.top() + strip / 2.0 + row * strip};
}

void GrowthChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    const Frame place = frame();
    if (place.plot.width() < 10 || place.plot.height() < 10)
        return;
    drawAxes(painter, place);
    drawRankings(painter, place);
    if (m_history.entries().isEmpty()) {
        painter.setPen(Qt::darkGray);
        painter.drawText(place.plot, Qt::AlignCenter, QStringLiteral("まだ記録がありません"));
    } else {
        drawLines(painter, place);
        drawBouts(painter, place);
    }
    drawLegend(painter, place);
}

void GrowthChart::drawAxes(QPainter &painter, const Frame &frame) const
{
    const QFontMetricsF metrics(painter.font());
    const double gap = Gap * frame.unit;
    const double line = metrics.height();
    // Both axes share the grid: the strength's steps fall on the values' lines.
    for (int step = 0; step <= ValueSteps; ++step) {
        const int value = frame.valueTop / ValueSteps * step;
        const int strength = frame.strengthTop / ValueSteps * step;
        const double y = placeOf(frame, frame.firstDay, value, Axis::Values).y();
        painter.setPen(QColor(0xE4, 0xE4, 0xE4));
        painter.drawLine(QPointF(frame.plot.left(), y), QPointF(frame.plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y - line / 2.0, frame.plot.left() - gap, line),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(value));
        painter.drawText(QRectF(frame.plot.right() + gap, y - line / 2.0, width(), line),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::number(strength));
    }
    const double dayWidth = metrics.horizontalAdvance(QString::number(frame.lastDay)) + 2 * gap;
    const int dayStep =
        niceStep(frame.lastDay - frame.firstDay, std::max(2, int(frame.plot.width() / (dayWidth * 2))));
    const int firstTick = (frame.firstDay + dayStep - 1) / dayStep * dayStep;
    for (int day = std::max(frame.firstDay, firstTick); day <= frame.lastDay; day += dayStep) {
        const double x = placeOf(frame, day, 0, Axis::Values).x();
        painter.setPen(QColor(0xEC, 0xEC, 0xEC));
        painter.drawLine(QPointF(x, frame.plot.top()), QPointF(x, frame.plot.bottom()));
        painter.setPen(Qt::black);
        painter.drawLine(QPointF(x, frame.plot.bottom()), QPointF(x, frame.plot.bottom() + gap - frame.unit));
        QRectF label(x - dayWidth, frame.plot.bottom() + gap / 2, 2 * dayWidth, line);
        // The last day's number keeps inside the widget rather than centred on its day.
        if (label.right() > width())
            label.moveRight(width());
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop, QString::number(day));
    }
    // The axes' titles: the values up the left, the strength up the right, the days and the
    // titles held in the left margin beside their rows.
    drawUpright(painter, QPointF(gap + line / 2, frame.plot.center().y()),
                QStringLiteral("パンチ力・瞬発力・根性"));
    drawUpright(painter, QPointF(width() - gap - line / 2, frame.plot.center().y()), QStringLiteral("体力"));
    const QRectF margin(0, 0, frame.plot.left() - gap, line);
    // The first day's number is centred on the plot's left edge: the title keeps clear of it.
    const double firstDayHalf = metrics.horizontalAdvance(QString::number(frame.firstDay)) / 2;
    painter.drawText(margin.adjusted(0, 0, -firstDayHalf, 0).translated(0, frame.plot.bottom() + gap / 2),
                     Qt::AlignRight | Qt::AlignTop, QStringLiteral("日目"));
    painter.drawText(margin.translated(0, frame.rankings.top() + (frame.rankings.height() - line) / 2),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("順位"));
    painter.drawRect(frame.plot);
}

void GrowthChart::drawLines(QPainter &painter, const Frame &frame) const
{
    const QList<DayEntry> &entries = m_history.entries();
    painter.save();
    painter.setClipRect(frame.plot.adjusted(0, -2, 0, 2));
    // Past two days a pixel the lines keep each column's lowest and highest value only:
    // the picture is the same and a long career draws as fast as a short one.
    const bool thinned = double(entries.size()) > 2 * frame.plot.width();
    for (const int index : DrawingOrder) {
        const Series &series = AllSeries[index];
        QPolygonF line;
        line.reserve(thinned ? int(2 * frame.plot.width()) + 2 : int(entries.size()));
        int column = -1;
        int low = 0;
        int high = 0;
        auto flush = [&] {
            if (column < 0)
                return;
            line.append(QPointF(frame.plot.left() + column, placeOf(frame, 0, low, series.axis).y()));
            if (high != low)
                line.append(QPointF(frame.plot.left() + column, placeOf(frame, 0, high, series.axis).y()));
        };
        for (const DayEntry &entry : entries) {
            const int value = entry.*series.value;
            if (!thinned) {
                line.append(placeOf(frame, entry.day, value, series.axis));
                continue;
            }
            const int here =
                static_cast<int>(placeOf(frame, entry.day, value, series.axis).x() - frame.plot.left());
            if (here != column) {
                flush();
                column = here;
                low = high = value;
            } else {
                low = std::min(low, value);
                high = std::max(high, value);
            }
        }
        flush();
        // Stroking thousands of joins with a wide smoothed pen is what made a long career slow
        // to draw; a thinned line is a fence of one-pixel columns, drawn as such.
        painter.setRenderHint(QPainter::Antialiasing, !thinned);
        QColor colour = series.colour;
        // Thinned, the strength's daily swings fill an area; it stays faint so the lines stand out on it.
        if (thinned && series.value == &DayEntry::strength)
            colour.setAlpha(90);
        painter.setPen(QPen(colour, thinned ? 0 : series.width * frame.unit, series.style));
        if (line.size() == 1)
            painter.drawEllipse(line.first(), series.width * frame.unit, series.width * frame.unit);
        else
            painter.drawPolyline(line);
    }
    painter.restore();
}

bool GrowthChart::boutsCrowded(const Frame &frame) const
{
    int bouts = 0;
    for (const DayEntry &entry : m_history.entries())
        bouts += entry.kind == DayKind::Bout ? 1 : 0;
    return bouts * 3 * MarkRadius * frame.unit > frame.plot.width();
}

void GrowthChart::drawBouts(QPainter &painter, const Frame &frame) const
{
    // Crowded bouts get a row for each outcome and no day lines, and a mark stands for every
    // bout of its outcome within its own width: the eye can tell no more apart, and a long
    // career draws as quickly as a short one.
    const bool crowded = frame.crowded;
    QList<QLineF> lines;
    QList<std::pair<Outcome, QPointF>> marks;
    double lastMark[3] = {-1e9, -1e9, -1e9};
    for (const DayEntry &entry : m_history.entries()) {
        if (entry.kind != DayKind::Bout)
            continue;
        const QPointF mark = boutMarkOf(frame, entry);
        if (!crowded)
            lines.append(QLineF(mark.x(), frame.plot.top() + BoutStripHeight * frame.unit, mark.x(),
                                frame.plot.bottom()));
        const Outcome outcome = outcomeOf(entry.result);
        if (outcome == Outcome::None ||
            (crowded && mark.x() - lastMark[int(outcome)] < 2 * MarkRadius * frame.unit))
            continue;
        lastMark[int(outcome)] = mark.x();
        marks.append({outcome, mark});
    }
    painter.save();
    painter.setPen(QPen(QColor(0xC8, 0xC8, 0xC8), frame.unit, Qt::DotLine));
    painter.drawLines(lines);
    for (const auto &[outcome, centre] : std::as_const(marks))
        drawMark(painter, outcome, centre, frame.unit);
    painter.restore();
}

void GrowthChart::drawRankings(QPainter &painter, const Frame &frame) const
{
    const QList<DayEntry> &entries = m_history.entries();
    const QColor fills[2] = {QColor(0xFF, 0xF4, 0xD8), QColor(0xE0, 0xEC, 0xFF)};
    int shade = 0;
    for (qsizetype i = 0; i < entries.size();) {
        qsizetype end = i;
        while (end + 1 < entries.size() && entries[end + 1].ranking == entries[i].ranking)
            ++end;
        // A title is held from the day it was won until the day before the next one.
        const double left =
            std::max(frame.rankings.left(), placeOf(frame, entries[i].day - 0.5, 0, Axis::Values).x());
        const double right = std::min(
            frame.rankings.right(),
            placeOf(frame, (end + 1 < entries.size() ? entries[end + 1].day : entries[end].day + 1) - 0.5, 0,
                    Axis::Values)
                .x());
        const QRectF band(left, frame.rankings.top(), std::max(0.5, right - left), frame.rankings.height());
        painter.fillRect(band, fills[shade]);
        shade = 1 - shade;
        if (band.width() > 24 * frame.unit) {
            painter.setPen(Qt::black);
            painter.drawText(band.adjusted(2, 0, -2, 0), Qt::AlignCenter,
                             painter.fontMetrics().elidedText(entries[i].ranking, Qt::ElideRight, int(band.width()) - 4));
        }
        i = end + 1;
    }
    painter.setPen(QColor(0xA0, 0xA0, 0xA0));
    painter.drawRect(frame.rankings);
}

void GrowthChart::drawLegend(QPainter &painter, const Frame &frame) const
{
    const QFontMetricsF metrics(painter.font());
    const double unit = frame.unit;
    const double gap = Gap * unit;
    double x = frame.plot.left();
    const double y = frame.plot.top() - (metrics.height() + 2 * gap) / 2.0;
    const double baseline = y + (metrics.ascent() - metrics.descent()) / 2.0;
    for (const Series &series : AllSeries) {
        painter.setPen(QPen(series.colour, std::min(series.width, 3.0) * unit, series.style, Qt::FlatCap));
        painter.drawLine(QPointF(x, y), QPointF(x + LegendSwatch * unit, y));
        const QString name = QString::fromUtf8(series.name);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x + LegendSwatch * unit + gap, baseline), name);
        x += LegendSwatch * unit + gap + metrics.horizontalAdvance(name) + 3 * gap;
    }
    const struct
    {
        Outcome outcome;
        const char *name;
    } marks[] = {{Outcome::Win, "勝ち"}, {Outcome::Loss, "負け"}, {Outcome::Draw, "引き分け"}};
    for (const auto &mark : marks) {
        drawMark(painter, mark.outcome, QPointF(x + MarkRadius * unit, y), unit);
        const QString name = QString::fromUtf8(mark.name);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x + 2 * MarkRadius * unit + gap, baseline), name);
        x += 2 * MarkRadius * unit + gap + metrics.horizontalAdvance(name) + 3 * gap;
    }
    // Whose career, up to which day, at the right end of the row.
    const QRectF captionBox(QPointF(x, y - metrics.height() / 2),
                            QPointF(frame.plot.right(), y + metrics.height() / 2));
    painter.drawText(captionBox, Qt::AlignRight | Qt::AlignVCenter,
                     metrics.elidedText(m_caption, Qt::ElideRight, captionBox.width()));
}

QString GrowthChart::hoverTextAt(const QPoint &point) const
{
    const Frame place = frame();
    if (place.rankings.contains(point)) {
        // The title held on the day under the pointer.
        const double day = place.firstDay + (point.x() - place.plot.left()) / place.plot.width() *
                                                (place.lastDay - place.firstDay);
        const QString *held = nullptr;
        for (const DayEntry &entry : m_history.entries()) {
            if (entry.day > day + 0.5)
                break;
            held = &entry.ranking;
        }
        return held ? *held : QString();
    }
    const DayEntry *nearest = nullptr;
    double nearestDistance = (MarkRadius + 3) * place.unit;
    for (const DayEntry &entry : m_history.entries()) {
        if (entry.kind != DayKind::Bout)
            continue;
        const QPointF mark = boutMarkOf(place, entry);
        const double distance = std::hypot(mark.x() - point.x(), mark.y() - point.y());
        if (distance <= nearestDistance) {
            nearest = &entry;
            nearestDistance = distance;
        }
    }
    if (!nearest)
        return {};
    return QStringLiteral("%1日目　%2　%3").arg(nearest->day).arg(nearest->opponent, FightRecord::resultText(nearest->result));
}

bool GrowthChart::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto *help = static_cast<QHelpEvent *>(event);
    const QString text = hoverTextAt(help->pos());
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), text, this);
    }
    return true;
}
