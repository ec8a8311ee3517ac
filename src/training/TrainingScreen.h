#pragma once

#include "history/core/DayEntry.h"
#include "hub/ActivityScreen.h"
#include "platform/core/Timer.h"
#include "training/core/TrainingRules.h"

#include <QJsonObject>
#include <QRect>
#include <QWidget>

class Game;
class QLabel;
class QPushButton;

// The frame both training games share: the three-minute clock `WatchCount` and its label,
// the white picture area, the strength, hit and miss labels, the cost of a punch with the
// collapse it may bring, and the end of a workout that hands the day back to the hub.
// Each game adds its target, its punches and its scoring.
class TrainingScreen : public QWidget, public ActivityScreen
{
    Q_OBJECT
public:
    // Where a game puts the shared controls, in twips.
    struct Layout
    {
        QSize client;
        QRect clock;
        QRect picture;
        QRect strength;
        QRect hits;
        QRect misses;
    };

    QWidget *form() override { return this; }

protected:
    // The workout is a day of that kind in the career's history.
    TrainingScreen(Game &game, const QString &name, const QString &caption, const Layout &layout, DayKind dayKind);

    // The white area that holds the game's target.
    QWidget *picture() const { return m_picture; }

    // A bold punch button with a background colour (&HBBGGRR) at a place in twips.
    QPushButton *addPunchButton(const QString &name, const QString &caption, quint32 colour, double pointSize,
                                const QRect &place);

    // The window stays open for the whole workout.
    void closeEvent(QCloseEvent *event) override;

    // A timer's interval and switch, for the script driver.
    static QJsonObject timerState(const Timer &timer);

    // Shows the clock reading on `TimerWatch`.
    void showClock(ClockReading clock);
    // Shows the boxer's current strength on `MyHp`.
    void showStrength();
    // Shows the workout's hits on `HitNum` and misses on `MissHit`.
    void showHits(int hits);
    void showMisses(int misses);

    // Takes the strength one punch costs. When the boxer collapses, he is carried to
    // hospital (a day lost), the workout ends without gain and the hub has the day
    // advance: returns true, and the caller does nothing more.
    bool payForPunch();

    // Ends a workout that ran its time: the gong, the net score into varKekka, the gain
    // (0 for none) added to the player's column and announced as QUALITY + gain +
    // "上がった", then back to the hub and its day advance.
    void finishWorkout(int net, int gain, int column, const QString &quality);

    Game &m_game;
    Timer m_watchCount;

private:
    QLabel *addLabel(const QString &name, double pointSize, quint32 colour, const QRect &place);
    void leaveForHub();

    DayKind m_dayKind;
    QWidget *m_picture = nullptr;
    QLabel *m_timerWatch = nullptr;
    QLabel *m_myHp = nullptr;
    QLabel *m_hitNum = nullptr;
    QLabel *m_missHit = nullptr;
};
