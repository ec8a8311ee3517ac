#pragma once

#include "data/GameState.h"

#include <QWidget>
#include <optional>

class ActivityScreen;
class Game;
class QCheckBox;

// The gym chairman's explanation of an activity (`varSetsumeiNo`: sandbag, punching ball,
// sparring or the bout). It holds the activity still while it is open; its OK (and its
// close box alike) records the check box, closes the dialog for good and starts the
// activity with the gong. Built afresh for every showing.
class Setsumei : public QWidget
{
    Q_OBJECT
public:
    // Explains the activity varSetsumeiNo names, whose screen is SCREEN (null for none),
    // and holds that screen's timers until OK; the game shows it over that screen.
    Setsumei(Game &game, ActivityScreen *screen);

    // The activity a value of varSetsumeiNo names, or none for an empty cell or a number outside 0 to 3.
    static std::optional<Activity> activityOf(const Cell &setsumeiNo);
    // The chairman's explanation of an activity.
    static QString explanation(Activity activity);

protected:
    // The close box does exactly what OK does.
    void closeEvent(QCloseEvent *event) override;

private:
    void finish();

    Game &m_game;
    ActivityScreen *m_screen;
    QCheckBox *m_check = nullptr;
    bool m_finished = false;
};
