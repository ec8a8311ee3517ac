#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>

// A straight line of the game's screens between two points in twips of its parent.
// It takes no mouse input.
class LineWidget : public QWidget
{
    Q_OBJECT
public:
    LineWidget(QWidget *parent, const QString &name, const QColor &colour = Qt::black, int widthPixels = 1);

    // Moves the line to run from (x1, y1) to (x2, y2), in twips of the parent.
    void setEnds(int x1, int y1, int x2, int y2);
    void setEnds(const QLine &ends) { setEnds(ends.x1(), ends.y1(), ends.x2(), ends.y2()); }
    QLine ends() const { return m_ends; }

    void setColour(const QColor &colour);
    QColor colour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The pen's width in pixels at the scale in force.
    double penWidth() const;

    QLine m_ends;
    QColor m_colour;
    int m_width;
};
