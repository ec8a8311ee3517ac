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
    void setVolume(int volume, bool muted) override;

private:
    bool m_haveAudio;
    QHash<QString, QSoundEffect *> m_effects;
    QSoundEffect *m_playing = nullptr;
    // The level every effect is given, 0 to 1 on the linear scale QSoundEffect takes.
    float m_level = 1.0F;
    bool m_muted = false;
};
