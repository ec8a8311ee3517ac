#pragma once

#include "platform/Terminator.h"

#include <memory>

// The end of the program during a replay: the record's end is written to the transcript and
// stops the replay, as the script driver stops; once the player has taken over, the end is
// the player's game's own.
class ReplayTerminator : public Terminator
{
public:
    ReplayTerminator(std::unique_ptr<Terminator> player, Transcript *transcript)
        : m_player(std::move(player)), m_recorded(transcript)
    {
    }

    void end() override { m_handedOver ? m_player->end() : m_recorded.end(); }
    bool hasEnded() const override { return m_handedOver ? m_player->hasEnded() : m_recorded.hasEnded(); }
    // Whether the record's own game ended before the player took over.
    bool recordEnded() const { return m_recorded.hasEnded(); }
    // From now on an end ends the player's game.
    void handOver() { m_handedOver = true; }

private:
    std::unique_ptr<Terminator> m_player;
    RecordingTerminator m_recorded;
    bool m_handedOver = false;
};
