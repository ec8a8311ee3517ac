#include "options/KeyBindings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QChildEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

namespace {
// Long enough for the press of an auto-repeat pair to follow its release, too short to feel.
constexpr int RepeatPairWaitMs = 50;
} // namespace

int KeyBindings::s_handling = 0;

KeyBindings::KeyBindings(QWidget &screen) : QObject(&screen), m_screen(screen)
{
    watch(&screen);
}

void KeyBindings::bind(int key, std::function<void()> press, std::function<void()> release,
                       std::function<void()> resume)
{
    m_bindings.insert(key, Binding{std::move(press), std::move(release), std::move(resume)});
}

void KeyBindings::bindClick(int key, QAbstractButton *button)
{
    bind(key, [button] {
        if (canClick(button))
            button->click();
    });
}

bool KeyBindings::canClick(const QAbstractButton *button)
{
    return button->isEnabled() && button->isVisibleTo(button->window());
}

bool KeyBindings::takesInput(const QWidget &screen)
{
    const QWidget *modal = QApplication::activeModalWidget();
    return screen.isVisible() && screen.isEnabled() && (!modal || modal == &screen);
}

void KeyBindings::watch(QObject *object)
{
    object->installEventFilter(this);
    for (QObject *child : object->children()) {
        if (child->isWidgetType())
            watch(child);
    }
}

void KeyBindings::handle(int key, const std::function<void()> &handler, Stroke stroke, bool tell)
{
    ++s_handling;
    if (handler)
        handler();
    --s_handling;
    if (tell)
        emit counted(key, stroke);
}

void KeyBindings::releaseAll(bool tell)
{
    for (auto binding = m_bindings.begin(); binding != m_bindings.end(); ++binding) {
        binding->releasePending = false;
        binding->releasedAt = 0;
        if (!binding->held)
            continue;
        binding->held = false;
        binding->letGo = true;
        handle(binding.key(), binding->release, Stroke::Up, tell);
    }
}

void KeyBindings::finishRelease(int key)
{
    const auto found = m_bindings.find(key);
    if (found == m_bindings.end() || !found->releasePending)
        return;
    found->releasePending = false;
    found->held = false;
    found->letGo = true;
    handle(key, found->release, Stroke::Up);
}

bool KeyBindings::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ChildAdded: {
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (child->isWidgetType())
            watch(child);
        return false;
    }
    case QEvent::Hide:
    case QEvent::WindowDeactivate:
        if (watched == &m_screen)
            releaseAll(event->type() == QEvent::WindowDeactivate);
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        break;
    default:
        return false;
    }

    // A box or dialog the screen owns is a window of its own: its keys are its own (Space presses its OK).
    if (static_cast<QWidget *>(watched)->window() != &m_screen)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    // With Ctrl, Alt or Meta the key is a shortcut of the window, not a punch.
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const auto found = m_bindings.find(key->key());
    if (found == m_bindings.end())
        return false;
    Binding &binding = *found;
    // The key is the screen's: whether it counts or not, the focused widget never sees it. It goes
    // down only where its click could happen; one held before a box opened still comes up.
    if (event->type() == QEvent::KeyPress && !takesInput(m_screen))
        return true;
    if (key->isAutoRepeat()) {
        // A repeat of a key whose release has counted shows it was held all along.
        if (event->type() == QEvent::KeyPress && !binding.held && binding.letGo) {
            binding.held = true;
            binding.letGo = false;
            handle(key->key(), binding.resume, Stroke::Resumed);
        }
        return true;
    }
    const quint64 stamp = key->timestamp();
    if (event->type() == QEvent::KeyPress) {
        // The second half of an auto-repeat pair, or a repeat with no releases between: the
        // key was never let go.
        if ((stamp != 0 && stamp == binding.releasedAt) || (binding.held && !binding.releasePending)) {
            const bool releaseCounted = !binding.held;
            binding.releasePending = false;
            binding.held = true;
            binding.letGo = false;
            if (releaseCounted)
                handle(key->key(), binding.resume, Stroke::Resumed);
            return true;
        }
        binding.releasePending = false;
        binding.held = true;
        binding.letGo = false;
        handle(key->key(), binding.press, Stroke::Down);
        return true;
    }
    // A release of a key already let go still stamps the pair whose press may follow: a
    // repeat whose press came late, after its release had counted, is a repeat all the same.
    binding.releasedAt = stamp;
    if (!binding.held || binding.releasePending)
        return true;
    if (stamp == 0 || !binding.release) {
        binding.held = false;
        binding.letGo = true;
        handle(key->key(), binding.release, Stroke::Up);
        return true;
    }
    binding.releasePending = true;
    QTimer::singleShot(RepeatPairWaitMs, this, [this, code = key->key()] { finishRelease(code); });
    return true;
}
