#pragma once

#include "platform/Help.h"

#include <QDesktopServices>
#include <QUrl>
#include <functional>
#include <memory>

class HelpWindow;

// Opens the game's manual in its own help window, one window for the whole game, and folders
// in the desktop's file manager.
class QtHelp : public Help
{
public:
    // Hands a URL to the desktop; true when something took it.
    using UrlOpener = std::function<bool(const QUrl &url)>;

    explicit QtHelp(Locator locate = &Help::findPage, UrlOpener openUrl = &QDesktopServices::openUrl);
    ~QtHelp() override;

    QString open(Topic topic, const QWidget *opener) override;
    QString openFolder(const QString &path, const QWidget *opener) override;
    // The help window once the manual has been opened, else null.
    HelpWindow *window() const { return m_window.get(); }

private:
    Locator m_locate;
    UrlOpener m_openUrl;
    std::unique_ptr<HelpWindow> m_window;
};
