#include "platform/RecordingHelp.h"

#include "platform/Transcript.h"

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
