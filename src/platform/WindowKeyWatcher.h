#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

// Hears every key pressed in a window, on the window and on every widget it holds now or
// later, before that widget does: the ground for keys that stand for a window's buttons.
class WindowKeyWatcher : public QObject
{
    Q_OBJECT
public:
    explicit WindowKeyWatcher(QWidget &window);

protected:
    // A key pressed on watched; true when it is taken, so the widget never sees it.
    virtual bool keyPressed(QWidget &watched, QKeyEvent &key) = 0;

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QObject *object);
};
