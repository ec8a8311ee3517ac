#pragma once

#include "app/Game.h"
#include "app/ScriptDriver.h"

#include <memory>

class QIODevice;
class RecordingPrompter;
class ScriptedPrompter;
class SessionRecorder;
class Transcript;

// A new game played by a script, as `ringglory --script` plays it: scripted ports, the
// transcript stamped with the game's clock and told of every screen shown and hidden,
// the title screen open, and a driver for the script's lines. With a record, the inputs
// the script delivers are recorded there as a session's are.
class ScriptedGame
{
public:
    explicit ScriptedGame(Transcript &transcript, QIODevice *record = nullptr);
    // Tearing the screens down is not part of the game's story: the transcript is let go first.
    ~ScriptedGame();
    ScriptedGame(const ScriptedGame &) = delete;
    ScriptedGame &operator=(const ScriptedGame &) = delete;

    Game &game() { return m_game; }
    ScriptedPrompter &prompter() { return *m_prompter; }
    ScriptDriver &driver() { return m_driver; }
    // The session's recorder, null without a record.
    SessionRecorder *recorder() { return m_recorder.get(); }

private:
    Transcript &m_transcript;
    ScriptedPrompter *m_prompter = nullptr;
    RecordingPrompter *m_recordingPrompter = nullptr;
    Game m_game;
    ScriptDriver m_driver;
    std::unique_ptr<SessionRecorder> m_recorder;
};
