#include "platform/RecordingHelp.h"

#include "platform/Transcript.h"

#include <QDir>

RecordingHelp::RecordingHelp(Transcript *transcript, Locator locate)
    : m_transcript(transcript), m_locate(std::move(locate))
{
}

QString RecordingHelp::open(Topic topic, const QWidget * /*opener*/)
{
    const QString page = pageName(topic);
    if (m_locate(page).isEmpty())
        return missingPageMessage(page);
    m_opened.append(page);
    if (m_transcript)
        m_transcript->write(QStringLiteral("help"), {page});
    return {};
}

QString RecordingHelp::openFolder(const QString &path, const QWidget * /*opener*/)
{
    if (!m_foldersOpen)
        return folderMessage(path);
    m_openedFolders.append(path);
    // The folder's own name only: the rest of its path is this machine's, and a transcript must
    // read the same on every machine.
    if (m_transcript)
        m_transcript->write(QStringLiteral("help"), {QDir(path).dirName() + QLatin1Char('/')});
    return {};
}
