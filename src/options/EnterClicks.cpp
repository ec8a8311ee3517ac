#include "options/EnterClicks.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

EnterClicks::EnterClicks(QWidget &window) : WindowKeyWatcher(window) {}

bool EnterClicks::keyPressed(QWidget &watched, QKeyEvent &key)
{
    if ((key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) || key.modifiers() & ~Qt::KeypadModifier)
        return false;
    // The window's focus, not the application's: a script's keys reach a window that is not active.
    auto *button = qobject_cast<QAbstractButton *>(&watched);
    if (!button || button->window()->focusWidget() != button)
        return false;
    // Held down, Enter presses the button once, as a held mouse button does.
    if (!key.isAutoRepeat())
        button->click();
    return true;
}
