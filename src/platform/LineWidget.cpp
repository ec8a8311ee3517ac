#include "platform/LineWidget.h"

#include "platform/Twips.h"

#include <QPainter>
#include <algorithm>

LineWidget::LineWidget(QWidget *parent, const QString &name, const QColor &colour, int widthPixels)
    : QWidget(parent), m_colour(colour), m_width(widthPixels)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::setEnds(int x1, int y1, int x2, int y2)
{
    m_ends = QLine(x1, y1, x2, y2);
    // The widget covers the line's bounding box, widened by the pen so thick lines are not clipped.
    const int margin = m_width;
    const int left = twipsToPixels(std::min(x1, x2)) - margin;
    const int top = twipsToPixels(std::min(y1, y2)) - margin;
    const int right = twipsToPixels(std::max(x1, x2)) + margin;
    const int bottom = twipsToPixels(std::max(y1, y2)) + margin;
    setGeometry(left, top, right - left + 1, bottom - top + 1);
    update();
}

void LineWidget::setColour(const QColor &colour)
{
    m_colour = colour;
    update();
}

void LineWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_colour, m_width, Qt::SolidLine, Qt::RoundCap));
    const QPoint origin = pos();
    painter.drawLine(QPointF(m_ends.x1() / double(TwipsPerPixel) - origin.x(), m_ends.y1() / double(TwipsPerPixel) - origin.y()),
                     QPointF(m_ends.x2() / double(TwipsPerPixel) - origin.x(), m_ends.y2() / double(TwipsPerPixel) - origin.y()));
}
