#include "platform/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHash>
#include <QMargins>
#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QWidget>
#include <algorithm>

namespace {
// The frame each placed window was expected to get. A window manager frames a window only
// some time after it is first shown; until then Qt knows no frame, and the window's position
// is where the top-left corner of its frame goes. Never destroyed, like the twips of controls,
// so that windows that outlive the program's statics can still take themselves out.
QHash<const QWidget *, QMargins> &expectedFrames()
{
    static auto *frames = new QHash<const QWidget *, QMargins>;
    return *frames;
}

QMargins knownFrame(const QWidget &window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

QMargins frameMargins(const QWidget &window)
{
    const QMargins known = knownFrame(window);
    return known.isNull() ? expectedFrames().value(&window) : known;
}

QRect frameRect(const QWidget &window)
{
    if (!knownFrame(window).isNull())
        return window.frameGeometry();
    return {window.geometry().topLeft(), window.size().grownBy(frameMargins(window))};
}

void expectFrame(const QWidget &window, const QMargins &margins)
{
    QHash<const QWidget *, QMargins> &frames = expectedFrames();
    if (!frames.contains(&window)) {
        const QWidget *key = &window;
        QObject::connect(&window, &QObject::destroyed, [key] { expectedFrames().remove(key); });
    }
    frames.insert(&window, margins);
}

QRect freeArea(const QWidget &window, QPoint centre)
{
    const QScreen *screen = QGuiApplication::screenAt(centre);
    if (!screen)
        screen = window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The middle the window is to open on: its opener's, or the screen's.
QPoint intendedCentre(const QWidget &window, const QWidget *opener)
{
    if (opener)
        return frameRect(*opener).center();
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().center() : QPoint();
}

// Moves the window's frame, of the given margins, onto that middle, wholly on its screen.
// Returns where the top-left corner of the frame was put.
QPoint placeFrame(QWidget &window, QPoint centre, const QMargins &margins)
{
    QRect place(QPoint(), window.size().grownBy(margins));
    place.moveCenter(centre);
    const QRect free = freeArea(window, centre);
    if (!free.isEmpty()) {
        // A window larger than the screen keeps its top-left corner, and so its title bar, in view.
        place.moveLeft(std::clamp(place.left(), free.left(), std::max(free.left(), free.right() + 1 - place.width())));
        place.moveTop(std::clamp(place.top(), free.top(), std::max(free.top(), free.bottom() + 1 - place.height())));
    }
    // Qt takes the position of a window it has already made but knows no frame for (one that a
    // window manager unframed when it was hidden) as that of its client area, and the window
    // manager puts the frame around it.
    const bool clientPosition = window.testAttribute(Qt::WA_WState_Created) && knownFrame(window).isNull();
    window.move(clientPosition ? place.topLeft() + QPoint(margins.left(), margins.top()) : place.topLeft());
    return place.topLeft();
}

// Waits for the window manager to frame a window whose frame could only be guessed, then
// centres the real frame where the guessed one was meant to be, unless the player has moved
// the window meanwhile.
class FrameFollower : public QObject
{
public:
    FrameFollower(QWidget &window, QPoint centre, QPoint placed)
        : QObject(&window), m_window(&window), m_centre(centre), m_placed(placed)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window)
            return false;
        if (event->type() == QEvent::Hide) {
            finish();
        } else if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
                   !knownFrame(*m_window).isNull()) {
            const QMargins margins = knownFrame(*m_window);
            expectFrame(*m_window, margins);
            if (m_window->frameGeometry().topLeft() == m_placed)
                placeFrame(*m_window, m_centre, margins);
            finish();
        }
        return false;
    }

private:
    void finish()
    {
        m_window->removeEventFilter(this);
        deleteLater();
    }

    QPointer<QWidget> m_window;
    QPoint m_centre;
    QPoint m_placed;
};

// The middle of each placed window's frame as it last hid, taken before a window manager
// unframes it.
QHash<const QWidget *, QPoint> &hiddenCentres()
{
    static auto *centres = new QHash<const QWidget *, QPoint>;
    return *centres;
}

QSet<const QWidget *> &watchedWindows()
{
    static auto *windows = new QSet<const QWidget *>;
    return *windows;
}

class HideWatcher : public QObject
{
public:
    explicit HideWatcher(QWidget &window) : QObject(&window), m_window(&window)
    {
        window.installEventFilter(this);
        const QWidget *key = &window;
        watchedWindows().insert(key);
        QObject::connect(&window, &QObject::destroyed, [key] {
            hiddenCentres().remove(key);
            watchedWindows().remove(key);
        });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Hide && !event->spontaneous())
            hiddenCentres().insert(m_window, frameRect(*m_window).center());
        return false;
    }

private:
    QWidget *m_window;
};

void watchHiding(QWidget &window)
{
    if (!watchedWindows().contains(&window))
        new HideWatcher(window);
}

void showCentredOn(QWidget &window, QPoint centre, const QMargins &margins)
{
    watchHiding(window);
    const QPoint placed = placeFrame(window, centre, margins);
    window.show();
    const QMargins framed = knownFrame(window);
    if (framed.isNull())
        new FrameFollower(window, centre, placed);
    else if (framed != margins)
        placeFrame(window, centre, framed);
}

QMargins marginsFor(QWidget &window, const QWidget *opener)
{
    // A window with no size of its own yet takes the one Qt would give it on showing.
    if (!window.testAttribute(Qt::WA_Resized))
        window.adjustSize();
    // A window not yet framed is expected to get the frame its opener has.
    QMargins margins = knownFrame(window);
    if (margins.isNull() && opener)
        margins = frameMargins(*opener);
    expectFrame(window, margins);
    return margins;
}
} // namespace

void centreOver(QWidget &window, const QWidget *opener)
{
    const QMargins margins = marginsFor(window, opener);
    placeFrame(window, intendedCentre(window, opener), margins);
}

void showCentredOver(QWidget &window, const QWidget *opener)
{
    const QMargins margins = marginsFor(window, opener);
    showCentredOn(window, intendedCentre(window, opener), margins);
}

void showWhereItWas(QWidget &window, const QWidget *opener)
{
    const auto hidden = hiddenCentres().constFind(&window);
    if (hidden == hiddenCentres().cend()) {
        showCentredOver(window, opener);
        return;
    }
    showCentredOn(window, *hidden, marginsFor(window, opener));
}
