#include "platform/WindowKeyWatcher.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QWidget>

WindowKeyWatcher::WindowKeyWatcher(QWidget &window) : QObject(&window)
{
    watch(&window);
}

void WindowKeyWatcher::watch(QObject *object)
{
    object->installEventFilter(this);
    for (QObject *child : object->children()) {
        if (child->isWidgetType())
            watch(child);
    }
}

bool WindowKeyWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ChildAdded) {
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (child->isWidgetType())
            watch(child);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    return keyPressed(*static_cast<QWidget *>(watched), *static_cast<QKeyEvent *>(event));
}
