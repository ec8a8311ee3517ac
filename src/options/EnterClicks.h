#pragma once

#include "platform/WindowKeyWatcher.h"

// Enter and Return click the button that has the focus, in every window of the game, as
// Space does: with Tab to move and Enter to press, a player reaches every button without a mouse.
class EnterClicks : public WindowKeyWatcher
{
    Q_OBJECT
public:
    // Listens on the window and on every widget it holds now or later.
    explicit EnterClicks(QWidget &window);

protected:
    bool keyPressed(QWidget &watched, QKeyEvent &key) override;
};
