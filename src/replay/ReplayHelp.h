#pragma once

#include "platform/Help.h"
#include "platform/RecordingHelp.h"

#include <memory>

// The manual during a replay: a page (or the replays folder) the record opens is written to the
// transcript as the script driver writes it, without a window; once the player takes over,
// they open for real.
class ReplayHelp : public Help
{
public:
    ReplayHelp(std::unique_ptr<Help> player, Transcript *transcript)
        : m_player(std::move(player)), m_recorded(transcript)
    {
    }

    QString open(Topic topic, const QWidget *opener) override
    {
        return m_handedOver ? m_player->open(topic, opener) : m_recorded.open(topic, opener);
    }
    QString openFolder(const QString &path, const QWidget *opener) override
    {
        return m_handedOver ? m_player->openFolder(path, opener) : m_recorded.openFolder(path, opener);
    }
    // From now on the manual is the player's.
    void handOver() { m_handedOver = true; }

private:
    std::unique_ptr<Help> m_player;
    RecordingHelp m_recorded;
    bool m_handedOver = false;
};
