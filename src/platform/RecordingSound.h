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
    const QStringList &played() const { return m_played; }
    void clear() { m_played.clear(); }

private:
    Transcript *m_transcript;
    QStringList m_played;
};
