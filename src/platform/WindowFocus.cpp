#include "platform/WindowFocus.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

WindowFocus::WindowFocus(QWidget &window) : QObject(&window), m_window(window)
{
    window.installEventFilter(this);
    // Disabling a window takes the focus away without a word: only a widget that gets it is noted.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && now != &m_window && now->window() == &m_window)
            m_last = now;
    });
}

bool WindowFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_window)
        return false;
    if (event->type() == QEvent::Show) {
        m_window.setAttribute(Qt::WA_KeyboardFocusChange);
        m_window.activateWindow();
    } else if (event->type() == QEvent::EnabledChange && m_window.isEnabled() && m_last &&
               m_last->isVisibleTo(&m_window) && m_last->isEnabled()) {
        m_last->setFocus(Qt::OtherFocusReason);
    }
    return false;
}
