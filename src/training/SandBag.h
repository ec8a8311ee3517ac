#pragma once

#include "training/TrainingScreen.h"

#include <QJsonObject>

class LineWidget;
class ShapeWidget;

// The sandbag training, which raises punch power: a bag on three chains hangs at one of
// five places, and only the punch of that place lands and may swing it one place on.
// Three minutes of game time, 8 strength a punch. The workout's counters, the bag's place
// and the clock live in the game state.
class SandBag : public TrainingScreen
{
    Q_OBJECT
public:
    explicit SandBag(Game &game);

    // Hangs the bag in the middle, clears the counters, sets the clock to 3:00 and starts it.
    void subOriginal() override;
    // Stops the clock.
    void holdActivity() override;
    // Starts the clock.
    void releaseActivity() override;
    // Ends a workout that ran to 0:00: the gong, the net score and the punch power gained.
    void subEnd();

    // The clock's timer, for the script driver.
    Q_INVOKABLE QJsonObject scriptState() const;

private:
    void punchClick(int index);
    void watchCountTimer();
    void drawBag(int place);

    ShapeWidget *m_bag = nullptr;
    LineWidget *m_chain[3] = {};
};
