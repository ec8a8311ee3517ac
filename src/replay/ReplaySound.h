#pragma once

#include "platform/RecordingSound.h"
#include "platform/Sound.h"

#include <memory>

class Transcript;

// The sound of a replay: every sound plays for real and, until the player takes over, is also
// written to the transcript as the script driver writes it.
class ReplaySound : public Sound
{
public:
    ReplaySound(std::unique_ptr<Sound> player, Transcript *transcript)
        : m_player(std::move(player)), m_recorded(transcript)
    {
    }

    void play(const QString &fileName) override;
    void setVolume(int volume, bool muted) override { m_player->setVolume(volume, muted); }
    // From now on the sounds are the player's game's: nothing more goes to the transcript.
    void handOver() { m_handedOver = true; }

private:
    std::unique_ptr<Sound> m_player;
    RecordingSound m_recorded;
    bool m_handedOver = false;
};
