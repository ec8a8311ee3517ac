#include "app/GameApplication.h"

#include "replay/SessionRecorder.h"

namespace {
// The events by which a player acts on the game: the mouse, the keys and a window's close box.
bool isInput(const QEvent *event)
{
    if (!event->spontaneous())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}
} // namespace

bool GameApplication::notify(QObject *receiver, QEvent *event)
{
    if (!m_recorder || !isInput(event))
        return QApplication::notify(receiver, event);
    m_recorder->beginInput(event);
    const bool handled = QApplication::notify(receiver, event);
    m_recorder->endInput();
    return handled;
}
