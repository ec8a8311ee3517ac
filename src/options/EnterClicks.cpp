#include "options/EnterClicks.h"

#include <QAbstractButton>
#include <QChildEvent>
#include <QKeyEvent>
#include <QWidget>

EnterClicks::EnterClicks(QWidget &window) : QObject(&window)
{
    watch(&window);
}

void EnterClicks::watch(QObject *object)
{
    object->installEventFilter(this);
    for (QObject *child : object->children()) {
        if (child->isWidgetType())
            watch(child);
    }
}

bool EnterClicks::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ChildAdded) {
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (child->isWidgetType())
            watch(child);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->modifiers() & ~Qt::KeypadModifier)
        return false;
    // The window's focus, not the application's: a script's keys reach a window that is not active.
    auto *button = qobject_cast<QAbstractButton *>(watched);
    if (!button || button->window()->focusWidget() != button)
        return false;
    // Held down, Enter presses the button once, as a held mouse button does.
    if (!key->isAutoRepeat())
        button->click();
    return true;
}
