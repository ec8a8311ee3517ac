#include "platform/QtHelp.h"

#include "platform/HelpWindow.h"

#include <QDir>
#include <QFile>

QtHelp::QtHelp(Locator locate, UrlOpener openUrl) : m_locate(std::move(locate)), m_openUrl(std::move(openUrl)) {}

QtHelp::~QtHelp() = default;

QString QtHelp::open(Topic topic, const QWidget *opener)
{
    const QString page = pageName(topic);
    const QString path = m_locate(page);
    // A page that is there but cannot be read is as good as missing; the browser would show it blank.
    if (path.isEmpty() || !QFile(path).open(QIODevice::ReadOnly))
        return missingPageMessage(page);
    if (!m_window)
        m_window = std::make_unique<HelpWindow>();
    m_window->showPage(path, opener);
    return {};
}

QString QtHelp::openFolder(const QString &path, const QWidget * /*opener*/)
{
    // The file manager shows an error of its own for a folder that is not there; the player
    // asked to look into it, so it is made first, empty.
    if (path.isEmpty() || !QDir().mkpath(path) || !m_openUrl(QUrl::fromLocalFile(path)))
        return folderMessage(path);
    return {};
}
