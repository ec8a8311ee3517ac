#include "platform/ShapeWidget.h"

#include "platform/ScreenScale.h"

#include <QPainter>
#include <algorithm>

ShapeWidget::ShapeWidget(Kind kind, QWidget *parent, const QString &name) : QWidget(parent), m_kind(kind)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::setKind(Kind kind)
{
    m_kind = kind;
    update();
}

void ShapeWidget::setFill(const QColor &colour)
{
    m_fill = colour;
    m_filled = true;
    update();
}

void ShapeWidget::clearFill()
{
    m_filled = false;
    update();
}

void ShapeWidget::setBorder(const QColor &colour, int widthPixels)
{
    m_border = colour;
    m_borderWidth = widthPixels;
    update();
}

void ShapeWidget::setBorderVisible(bool visible)
{
    m_borderVisible = visible;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal borderWidth = m_borderWidth * ScreenScale::factor();
    painter.setPen(m_borderVisible ? QPen(m_border, borderWidth) : QPen(Qt::NoPen));
    painter.setBrush(m_filled ? QBrush(m_fill) : QBrush(Qt::NoBrush));

    const qreal inset = m_borderVisible ? borderWidth / 2.0 : 0.0;
    QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (m_kind == Kind::Square || m_kind == Kind::Circle || m_kind == Kind::RoundedSquare) {
        const qreal side = std::min(box.width(), box.height());
        box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    switch (m_kind) {
    case Kind::Rectangle:
    case Kind::Square:
        painter.drawRect(box);
        break;
    case Kind::Oval:
    case Kind::Circle:
        painter.drawEllipse(box);
        break;
    case Kind::RoundedRectangle:
    case Kind::RoundedSquare: {
        // A fixed, small corner like the classic rounded shapes, whatever the size.
        const qreal radius = std::min({box.width(), box.height(), 72 * ScreenScale::factor()}) / 6.0;
        painter.drawRoundedRect(box, radius, radius);
        break;
    }
    }
}
