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
    // The two scales the lines are drawn against: punch power, quickness and guts on the
    // left, strength and maximum strength on the right.
    enum class Axis { Values, Strength };

    explicit GrowthChart(QWidget *parent = nullptr);

    // Shows that boxer's history in place of the one before.
    void setHistory(const CareerHistory &history, const QString &boxer);

    // One row of texts per day drawn: day, power, quickness, guts, strength, maximum strength.
    Q_INVOKABLE QJsonArray scriptCells() const;

    // The line over the chart naming the boxer and the days it shows.
    QString caption() const { return m_caption; }
    // Where the lines are drawn, and the band of ranking titles under the day numbers.
    QRectF plotArea() const { return frame().plot; }
    QRectF rankingBand() const { return frame().rankings; }

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
        int valueTop = 1;     // the value at the top of the left axis
        int strengthTop = 1;  // the strength at the top of the right axis
        bool crowded = false; // too many bouts for one row of marks
        double unit = 1;      // the window scale, for lines and marks
    };
    // The grid lines each axis is cut into.
    static constexpr int ValueSteps = 5;

    Frame frame() const;
    QPointF placeOf(const Frame &frame, double day, double value, Axis axis) const;
    QPointF boutMarkOf(const Frame &frame, const DayEntry &entry) const;

    void drawAxes(QPainter &painter, const Frame &frame) const;
    void drawLines(QPainter &painter, const Frame &frame) const;
    // Whether the bouts are too many for one row of marks across the plot's width.
    bool boutsCrowded(const Frame &frame) const;
    void drawBouts(QPainter &painter, const Frame &frame) const;
    void drawRankings(QPainter &painter, const Frame &frame) const;
    void drawLegend(QPainter &painter, const Frame &frame) const;

    CareerHistory m_history;
    QString m_caption;
    int m_highestValue = 0;    // the largest punch power, quickness or guts
    int m_highestStrength = 0; // the largest strength or maximum strength
};
