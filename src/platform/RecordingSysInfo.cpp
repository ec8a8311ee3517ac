#include "platform/RecordingSysInfo.h"

#include "platform/Transcript.h"

bool RecordingSysInfo::start()
{
    if (!m_available)
        return false;
    ++m_starts;
    if (m_transcript)
        m_transcript->write(QStringLiteral("sysinfo"));
    return true;
}
