#include "app/ScriptedGame.h"

#include "app/GamePorts.h"
#include "platform/Transcript.h"

ScriptedGame::ScriptedGame(Transcript &transcript)
    : m_transcript(transcript), m_game(scriptedPorts(&transcript, &m_prompter)),
      m_driver(m_game, *m_prompter, transcript)
{
    m_transcript.setClock(&m_game.scheduler());
    m_game.setTranscript(&m_transcript);
    m_game.openTitle();
}

ScriptedGame::~ScriptedGame()
{
    m_game.setTranscript(nullptr);
    m_transcript.setClock(nullptr);
}
