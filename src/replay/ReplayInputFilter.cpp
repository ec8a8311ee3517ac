#include "replay/ReplayInputFilter.h"

#include <QKeyEvent>

bool ReplayInputFilter::eventFilter(QObject *watched, QEvent *event)
{
    // The record's own inputs are sent by the driver, never by the window system.
    if (!event->spontaneous())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto *key = static_cast<const QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape && !key->isAutoRepeat() && m_onEscape)
            m_onEscape();
        return true;
    }
    // A key first asks whether it is a shortcut (a menu's accelerator): answered here, it
    // never reaches the menus.
    case QEvent::ShortcutOverride:
    case QEvent::KeyRelease:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::ContextMenu:
        return true;
    case QEvent::Close:
        return !m_recordActing;
    default:
        return QObject::eventFilter(watched, event);
    }
}
