#include "platform/RecordingSound.h"

#include "platform/Transcript.h"

void RecordingSound::play(const QString &fileName)
{
    m_played.append(fileName);
    if (m_transcript)
        m_transcript->write(QStringLiteral("sound"), {fileName});
}
