#pragma once

#include "platform/SysInfo.h"

class Transcript;

// Starts nothing. By default it behaves like a machine without the tool; made available,
// it records each start, in the transcript when there is one.
class RecordingSysInfo : public SysInfo
{
public:
    explicit RecordingSysInfo(Transcript *transcript = nullptr) : m_transcript(transcript) {}

    bool start() override;
    void setAvailable(bool available) { m_available = available; }
    int starts() const { return m_starts; }

private:
    Transcript *m_transcript;
    bool m_available = false;
    int m_starts = 0;
};
