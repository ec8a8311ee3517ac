#pragma once

#include "platform/Prompter.h"

#include <memory>

class SessionRecorder;

// The player's boxes, with every answer written to the session's record as the command that
// gives it, and the record pushed to its file before each box waits for the player.
class RecordingPrompter : public Prompter
{
public:
    explicit RecordingPrompter(std::unique_ptr<Prompter> inner) : m_inner(std::move(inner)) {}

    // The record the answers go to; null records nothing.
    void setRecorder(SessionRecorder *recorder) { m_recorder = recorder; }

protected:
    Answer showMessage(const QString &text, Buttons buttons, Icon icon, const QString &caption) override;
    QString showInput(const QString &prompt, const QString &caption, const QString &defaultText) override;
    QString showSaveFileName(const QString &caption, const QString &suggested, const QString &filter) override;

private:
    std::unique_ptr<Prompter> m_inner;
    SessionRecorder *m_recorder = nullptr;
};
