#include "platform/LineWidget.h"

#include "platform/ScreenScale.h"
#include "platform/Twips.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

LineWidget::LineWidget(QWidget *parent, const QString &name, const QColor &colour, int widthPixels)
    : QWidget(parent), m_colour(colour), m_width(widthPixels)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(&ScreenScale::instance(), &ScreenScale::changed, this, [this] { setEnds(m_ends); });
}

void LineWidget::setEnds(int x1, int y1, int x2, int y2)
{
    m_ends = QLine(x1, y1, x2, y2);
    // The widget covers the line's bounding box, widened by the pen so thick lines are not clipped.
    const int margin = static_cast<int>(std::ceil(penWidth()));
    const int left = twipsToPixels(std::min(x1, x2)) - margin;
    const int top = twipsToPixels(std::min(y1, y2)) - margin;
    const int right = twipsToPixels(std::max(x1, x2)) + margin;
    const int bottom = twipsToPixels(std::max(y1, y2)) + margin;
    // The far end's own pixel, as wide as a pixel of the game's own size at this scale.
    const int endPixel = static_cast<int>(std::ceil(ScreenScale::factor()));
    setGeometry(left, top, right - left + endPixel, bottom - top + endPixel);
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
    painter.setPen(QPen(m_colour, penWidth(), Qt::SolidLine, Qt::RoundCap));
    const QPoint origin = pos();
    painter.drawLine(QPointF(twipsToPixelsF(m_ends.x1()) - origin.x(), twipsToPixelsF(m_ends.y1()) - origin.y()),
                     QPointF(twipsToPixelsF(m_ends.x2()) - origin.x(), twipsToPixelsF(m_ends.y2()) - origin.y()));
}

double LineWidget::penWidth() const
{
    return m_width * ScreenScale::factor();
}
