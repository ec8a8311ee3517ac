#include "platform/Prompter.h"

#include "platform/core/Scheduler.h"

namespace {
// Keeps the game clock stopped for as long as a box is open.
class ClockPause
{
public:
    explicit ClockPause(Scheduler *clock) : m_clock(clock)
    {
        if (m_clock)
            m_clock->pause();
    }
    ~ClockPause()
    {
        if (m_clock)
            m_clock->resume();
    }
    ClockPause(const ClockPause &) = delete;
    ClockPause &operator=(const ClockPause &) = delete;

private:
    Scheduler *m_clock;
};
} // namespace

Prompter::Answer Prompter::message(const QString &text, Buttons buttons, Icon icon, const QString &caption)
{
    ClockPause pause(m_clock);
    return showMessage(text, buttons, icon, caption);
}

QString Prompter::input(const QString &prompt, const QString &caption, const QString &defaultText)
{
    ClockPause pause(m_clock);
    return showInput(prompt, caption, defaultText);
}

QString Prompter::saveFileName(const QString &caption, const QString &suggested, const QString &filter)
{
    ClockPause pause(m_clock);
    return showSaveFileName(caption, suggested, filter);
}
