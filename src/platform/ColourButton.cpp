#include "platform/ColourButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
// The style's border and the focus ring inside it stay visible around the face.
constexpr int BorderInset = 2;
} // namespace

ColourButton::ColourButton(const QString &caption, const QColor &colour, QWidget *parent)
    : QPushButton(caption, parent), m_colour(colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Button, colour);
    setPalette(palette);
}

void ColourButton::paintEvent(QPaintEvent * /*event*/)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    // The style shades a button's colour into a pale gradient; the game's buttons show it as it is.
    if (isEnabled()) {
        const QColor face = isDown() ? m_colour.darker(110) : m_colour;
        painter.fillRect(rect().adjusted(BorderInset, BorderInset, -BorderInset, -BorderInset), face);
    }
    painter.drawControl(QStyle::CE_PushButtonLabel, option);
}
