#pragma once

#include <QObject>
#include <functional>

// Keeps the player's own mouse, keys, wheel and close boxes away from every window while a
// replay plays, so that only the record acts on the game. Esc is the one key heard: it asks
// for the replay to stop. Install it on the application.
//
// A window the game closes itself is closed through the window system too, which delivers that
// close as if it came from the window's frame: while the record is acting, closes go through.
class ReplayInputFilter : public QObject
{
    Q_OBJECT
public:
    explicit ReplayInputFilter(std::function<void()> onEscape, QObject *parent = nullptr)
        : QObject(parent), m_onEscape(std::move(onEscape))
    {
    }

    // Whether the record is acting on the game now (a command of it running).
    void setRecordActing(bool acting) { m_recordActing = acting; }
    bool isRecordActing() const { return m_recordActing; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_onEscape;
    bool m_recordActing = false;
};
