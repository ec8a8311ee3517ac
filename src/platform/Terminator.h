#pragma once

#include <functional>

class Transcript;

// Ends the program at once: no closing handlers run and nothing is saved.
// The caller returns right after calling end().
class Terminator
{
public:
    virtual ~Terminator() = default;
    virtual void end() = 0;
    virtual bool hasEnded() const = 0;
};

// Ends the process itself.
class ProcessTerminator : public Terminator
{
public:
    void end() override;
    bool hasEnded() const override { return false; }
    // Runs once just before the process ends (the session's record is written out).
    void setLastWords(std::function<void()> lastWords) { m_lastWords = std::move(lastWords); }

private:
    std::function<void()> m_lastWords;
};

// Only records that the program ended, for the script driver and tests.
class RecordingTerminator : public Terminator
{
public:
    explicit RecordingTerminator(Transcript *transcript = nullptr) : m_transcript(transcript) {}
    void end() override;
    bool hasEnded() const override { return m_ended; }

private:
    Transcript *m_transcript;
    bool m_ended = false;
};
