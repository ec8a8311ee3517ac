#include "platform/QtHelp.h"

#include "platform/HelpWindow.h"

#include <QFile>

QtHelp::QtHelp(Locator locate) : m_locate(std::move(locate)) {}

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
