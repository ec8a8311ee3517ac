#pragma once

#include "history/core/CareerHistory.h"

#include <QJsonArray>
#include <QWidget>

// The career drawn against the day: punch power, quickness, guts, strength and maximum
// strength as lines, each bout as a mark on its day (a win a circle, a loss a cross, a draw
// a triangle; the opponent's name on hover), and the ranking titles held along the bottom.
class GrowthChart : public QWidget
{
    Q_OBJECT
public:
    explicit GrowthChart(QWidget *parent = nullptr);

    // Shows that history in place of the one before.
    void setHistory(const CareerHistory &history);

    // One row of texts per day drawn: day, power, quickness, guts, strength, maximum strength.
    Q_INVOKABLE QJsonArray scriptCells() const;

    // The hover text at that point of the widget: the day, opponent and result of the bout
    // whose mark lies there, or the ranking title held on the day under the band of titles;
    // empty elsewhere.
    QString hoverTextAt(const QPoint &point) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    struct Frame
    {
        QRectF plot;     // where the lines are drawn
        QRectF rankings; // the band of ranking titles under the day axis
        int firstDay = 1;
        int lastDay = 1;
        int top = 1;          // the value at the top of the plot
        bool crowded = false; // too many bouts for one row of marks
    };
    Frame frame() const;
    QPointF placeOf(const Frame &frame, double day, double value) const;
    QPointF boutMarkOf(const Frame &frame, const DayEntry &entry) const;

    void drawAxes(QPainter &painter, const Frame &frame) const;
    void drawLines(QPainter &painter, const Frame &frame) const;
    // Whether the bouts are too many for one row of marks across the plot's width.
    bool boutsCrowded(const Frame &frame) const;
    void drawBouts(QPainter &painter, const Frame &frame) const;
    void drawRankings(QPainter &painter, const Frame &frame) const;
    void drawLegend(QPainter &painter, const Frame &frame) const;

    CareerHistory m_history;
    int m_highest = 0; // the largest value of any line
};
