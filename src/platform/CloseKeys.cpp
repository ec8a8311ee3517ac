#include "platform/CloseKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

CloseKeys::CloseKeys(QWidget &window, QAbstractButton &closer, QList<QKeyCombination> keys)
    : WindowKeyWatcher(window), m_window(window), m_closer(closer), m_keys(std::move(keys))
{
}

bool CloseKeys::keyPressed(QWidget &watched, QKeyEvent &key)
{
    if (watched.window() != &m_window)
        return false;
    const QKeyCombination pressed(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key()));
    if (!m_keys.contains(pressed))
        return false;
    // Only where the button could be clicked: a box or dialog over the window takes every input.
    const QWidget *modal = QApplication::activeModalWidget();
    if (!key.isAutoRepeat() && m_closer.isEnabled() && m_closer.isVisibleTo(&m_window) &&
        (!modal || modal == &m_window))
        m_closer.click();
    return true;
}
