#pragma once

#include <QString>

class Game;
class QObject;
class QWidget;

// The screens and controls a script names as FORM.CONTROL, found and judged by the rules
// a player meets: the script driver and the soak bot share them, so whatever the bot
// chooses the driver runs in the same way on a replay.
class ScriptTargets
{
public:
    struct Found
    {
        QWidget *form = nullptr;
        QObject *control = nullptr;
        QString error; // why nothing was found; empty when found
    };

    explicit ScriptTargets(const Game &game) : m_game(game) {}

    // The existing screen of that name, or an error.
    Found form(const QString &name) const;
    // The control named FORM.CONTROL and its screen, or an error.
    Found control(const QString &target) const;

    // Why the player cannot use the control now (its screen or itself hidden or disabled), or an empty text.
    static QString whyUnusable(QWidget *form, QObject *control, const QString &target);
    // Shows the tab page that holds the control, as a player picks the tab first.
    static void selectTabPageOf(QWidget *control);
    // Whether a click on the control would run now, its tab page being picked first.
    static bool canClick(QWidget *form, QObject *control);
    // The widget that takes mouse moves over the screen's background.
    static QWidget *background(QWidget *form);

private:
    const Game &m_game;
};
