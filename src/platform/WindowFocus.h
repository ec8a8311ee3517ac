#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// A window of the game takes the keyboard as it opens (without a window manager nothing else
// gives it), shows which control has the focus from the start rather than after the first Tab,
// and, enabled again after a window it opened has closed, gives the focus back to the control
// that had it, the button that opened that window.
class WindowFocus : public QObject
{
    Q_OBJECT
public:
    explicit WindowFocus(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_window;
    // The control of the window that last had the focus.
    QPointer<QWidget> m_last;
};
