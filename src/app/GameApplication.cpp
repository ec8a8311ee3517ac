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
    if (!isInput(event))
        return QApplication::notify(receiver, event);
    // An input comes at the moment it comes: the ticks due before it fire first, and a timer it
    // starts counts from now, not from the last tick, however long the game has waited.
    if (m_inputDepth == 0 && m_beforeInput)
        m_beforeInput();
    ++m_inputDepth;
    if (m_recorder)
        m_recorder->beginInput(event, receiver);
    const bool handled = QApplication::notify(receiver, event);
    if (m_recorder)
        m_recorder->endInput();
    --m_inputDepth;
    return handled;
}
