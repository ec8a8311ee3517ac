#include "replay/ReplaySound.h"

void ReplaySound::play(const QString &fileName)
{
    m_player->play(fileName);
    if (!m_handedOver)
        m_recorded.play(fileName);
}
