#pragma once

#include <QString>

// Sound effects by file name: asynchronous, a new sound replaces the one playing,
// and a missing file or audio device is silence, never an error.
class Sound
{
public:
    virtual ~Sound() = default;
    virtual void play(const QString &fileName) = 0;
};
