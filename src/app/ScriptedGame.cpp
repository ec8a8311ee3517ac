#include "app/ScriptedGame.h"

#include "app/GamePorts.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Transcript.h"
#include "replay/RecordingPrompter.h"
#include "replay/SessionRecorder.h"

#include <QDateTime>

namespace {
// The ports of a scripted game; with a record, the boxes' answers go into it as well.
Game::Ports portsFor(Transcript &transcript, ScriptedPrompter **prompter, RecordingPrompter **recording, bool record)
{
    Game::Ports ports = scriptedPorts(&transcript, prompter);
    if (record) {
        auto wrapped = std::make_unique<RecordingPrompter>(std::move(ports.prompter));
        *recording = wrapped.get();
        ports.prompter = std::move(wrapped);
    }
    return ports;
}
} // namespace

ScriptedGame::ScriptedGame(Transcript &transcript, QIODevice *record)
    : m_transcript(transcript), m_game(portsFor(transcript, &m_prompter, &m_recordingPrompter, record != nullptr)),
      m_driver(m_game, *m_prompter, transcript)
{
    m_transcript.setClock(&m_game.scheduler());
    m_game.setTranscript(&m_transcript);
    if (record) {
        m_recorder = std::make_unique<SessionRecorder>(m_game, *record, SessionRecorder::Source::Script,
                                                       QDateTime::currentDateTime());
        m_recordingPrompter->setRecorder(m_recorder.get());
        m_driver.setRecorder(m_recorder.get());
    }
    m_game.openTitle();
}

ScriptedGame::~ScriptedGame()
{
    m_driver.setRecorder(nullptr);
    if (m_recordingPrompter)
        m_recordingPrompter->setRecorder(nullptr);
    m_recorder.reset();
    m_game.setTranscript(nullptr);
    m_transcript.setClock(nullptr);
}
