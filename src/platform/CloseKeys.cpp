#include "platform/CloseKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QChildEvent>
#include <QKeyEvent>
#include <QWidget>

CloseKeys::CloseKeys(QWidget &window, QAbstractButton &closer, QList<QKeyCombination> keys)
    : QObject(&window), m_window(window), m_closer(closer), m_keys(std::move(keys))
{
    watch(&window);
}

void CloseKeys::watch(QObject *object)
{
    object->installEventFilter(this);
    for (QObject *child : object->children()) {
        if (child->isWidgetType())
            watch(child);
    }
}

bool CloseKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ChildAdded) {
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (child->isWidgetType())
            watch(child);
        return false;
    }
    if (event->type() != QEvent::KeyPress || static_cast<QWidget *>(watched)->window() != &m_window)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const QKeyCombination pressed(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key()));
    if (!m_keys.contains(pressed))
        return false;
    // Only where the button could be clicked: a box or dialog over the window takes every input.
    const QWidget *modal = QApplication::activeModalWidget();
    if (!key->isAutoRepeat() && m_closer.isEnabled() && m_closer.isVisibleTo(&m_window) &&
        (!modal || modal == &m_window))
        m_closer.click();
    return true;
}
