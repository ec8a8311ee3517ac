#pragma once

#include <QColor>
#include <QPushButton>

// A push button with a colour of its own: the colour is its face, flat, inside the style's
// border and focus mark; pressed it darkens a little, disabled it looks as the style draws it.
class ColourButton : public QPushButton
{
    Q_OBJECT
public:
    ColourButton(const QString &caption, const QColor &colour, QWidget *parent);

    QColor colour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};
