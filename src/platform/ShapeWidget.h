#pragma once

#include <QColor>
#include <QWidget>

// A drawn shape of the game's screens: rectangle, square, oval, circle or rounded
// rectangle, with a fill and a border. It takes no mouse input, so mouse moves over
// it reach the form behind, as the game expects.
class ShapeWidget : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };

    ShapeWidget(Kind kind, QWidget *parent, const QString &name);

    Kind kind() const { return m_kind; }
    void setKind(Kind kind);

    // The fill, or none (transparent) when unset.
    void setFill(const QColor &colour);
    void clearFill();
    bool isFilled() const { return m_filled; }
    QColor fill() const { return m_fill; }

    void setBorder(const QColor &colour, int widthPixels = 1);
    void setBorderVisible(bool visible);
    QColor border() const { return m_border; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind;
    QColor m_fill = Qt::white;
    bool m_filled = false;
    QColor m_border = Qt::black;
    int m_borderWidth = 1;
    bool m_borderVisible = true;
};
