#pragma once

#include "platform/Help.h"

#include <memory>

class HelpWindow;

// Opens the game's manual in its own help window, one window for the whole game.
class QtHelp : public Help
{
public:
    explicit QtHelp(Locator locate = &Help::findPage);
    ~QtHelp() override;

    QString open(Topic topic, const QWidget *opener) override;
    // The help window once the manual has been opened, else null.
    HelpWindow *window() const { return m_window.get(); }

private:
    Locator m_locate;
    std::unique_ptr<HelpWindow> m_window;
};
