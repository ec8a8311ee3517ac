#pragma once

#include <QHash>
#include <QObject>
#include <functional>

class QAbstractButton;
class QWidget;

// The keys of a screen. It hears them whichever of the screen's widgets has the focus,
// counts a key held down once (the keyboard's auto-repeat is ignored), and keeps a bound
// key from the focused widget, so Space never also clicks a focused button.
//
// An X server's auto-repeat is a release and a press with the same timestamp, and Qt
// marks the pair as a repeat only when the press has already arrived as the release is
// handled. So a press stamped like the key's last release is a repeat too, as is a press
// of a key already down, and a key's release waits a moment of wall time for such a press
// before it counts (a made-up event, stamped 0, counts at once). A busy game can miss that
// moment; the repeat then resumes what the release ended.
class KeyBindings : public QObject
{
    Q_OBJECT
public:
    // Listens on the screen and on every widget it holds now or later.
    explicit KeyBindings(QWidget &screen);

    // Calls press when the key goes down and release when it comes up; resume when a
    // repeat shows that a key whose release has counted was held all along.
    void bind(int key, std::function<void()> press, std::function<void()> release = {},
              std::function<void()> resume = {});
    // The key stands for a click on the button, through the button's own click, and does
    // nothing while the button is hidden or disabled, as a click would.
    void bindClick(int key, QAbstractButton *button);
    // Whether a click on the button would reach it now: shown on its screen and enabled.
    static bool canClick(const QAbstractButton *button);
    // Whether the screen takes a player's input now: shown, enabled, and no box or dialog over it.
    static bool takesInput(const QWidget &screen);
    // Whether a bound key's handler is running now, on any screen: a click it makes is the key's.
    static bool isHandling() { return s_handling > 0; }

    enum class Stroke { Down, Up, Resumed };

signals:
    // A bound key counted, after the screen has handled it: going down, coming up (also when the
    // screen loses the keyboard), or found held all along after its release had counted. A
    // release because the screen was hidden is not told: hiding the screen again lets go again.
    void counted(int key, KeyBindings::Stroke stroke);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Binding
    {
        std::function<void()> press;
        std::function<void()> release;
        std::function<void()> resume;
        bool held = false;
        // The timestamp of the key's last release, 0 for none or for a made-up event.
        quint64 releasedAt = 0;
        // A release that waits for the press of an auto-repeat pair.
        bool releasePending = false;
        // The key's release has counted since it last went down.
        bool letGo = false;
    };

    void watch(QObject *object);
    // Lets go of every held key: a screen that is hidden or loses the keyboard hears no release.
    void releaseAll(bool tell);
    void finishRelease(int key);
    // Runs a handler of the key and tells that the key counted.
    void handle(int key, const std::function<void()> &handler, Stroke stroke, bool tell = true);

    static int s_handling;

    QWidget &m_screen;
    QHash<int, Binding> m_bindings;
};
