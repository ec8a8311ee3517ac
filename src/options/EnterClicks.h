#pragma once

#include <QObject>

class QWidget;

// Enter and Return click the button that has the focus, in every window of the game, as
// Space does: with Tab to move and Enter to press, a player reaches every button without a mouse.
class EnterClicks : public QObject
{
    Q_OBJECT
public:
    // Listens on the window and on every widget it holds now or later.
    explicit EnterClicks(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QObject *object);
};
