#pragma once

#include "platform/Sound.h"

#include <QHash>

class QSoundEffect;

// Wave playback through QSoundEffect. With no audio output at all it stays silent
// without touching the multimedia back end, and it never waits for a sound to end.
class QtSound : public Sound
{
public:
    QtSound();
    ~QtSound() override;
    void play(const QString &fileName) override;

private:
    bool m_haveAudio;
    QHash<QString, QSoundEffect *> m_effects;
    QSoundEffect *m_playing = nullptr;
};
