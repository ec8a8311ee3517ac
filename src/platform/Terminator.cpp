#include "platform/Terminator.h"

#include "platform/Transcript.h"

#include <cstdio>
#include <cstdlib>

void ProcessTerminator::end()
{
    if (m_lastWords)
        m_lastWords();
    std::fflush(nullptr);
    std::_Exit(0);
}

void RecordingTerminator::end()
{
    if (m_ended)
        return;
    m_ended = true;
    if (m_transcript)
        m_transcript->write(QStringLiteral("end"));
}
