#pragma once

#include "platform/Sound.h"

#include <QStringList>

class Transcript;

// Plays nothing; records each sound asked for, in the transcript when there is one.
class RecordingSound : public Sound
{
public:
    explicit RecordingSound(Transcript *transcript = nullptr) : m_transcript(transcript) {}
    void play(const QString &fileName) override;
    // Kept for tests to read; the transcript records what is played, not how loud.
    void setVolume(int volume, bool muted) override
    {
        m_volume = volume;
        m_muted = muted;
    }
    int volume() const { return m_volume; }
    bool muted() const { return m_muted; }
    const QStringList &played() const { return m_played; }
    void clear() { m_played.clear(); }

private:
    Transcript *m_transcript;
    QStringList m_played;
    int m_volume = 100;
    bool m_muted = false;
};
