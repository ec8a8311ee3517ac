#pragma once

#include <QString>

// Sound effects by file name: asynchronous, a new sound replaces the one playing,
// and a missing file or audio device is silence, never an error.
class Sound
{
public:
    virtual ~Sound() = default;
    virtual void play(const QString &fileName) = 0;
    // The loudness of every sound from now on, the one playing included: volume 0 to 100,
    // muted silences them all while keeping the volume.
    virtual void setVolume(int volume, bool muted) = 0;
};
