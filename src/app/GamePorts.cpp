#include "app/GamePorts.h"

#include "platform/QtPrompter.h"
#include "platform/QtSettings.h"
#include "platform/QtSound.h"
#include "platform/RecordingSound.h"
#include "platform/ScriptedPrompter.h"

Game::Ports realPorts()
{
    Game::Ports ports;
    ports.random = std::make_unique<Random>();
    ports.prompter = std::make_unique<QtPrompter>();
    ports.sound = std::make_unique<QtSound>();
    ports.settings = std::make_unique<QtSettings>();
    ports.terminator = std::make_unique<ProcessTerminator>();
    return ports;
}

Game::Ports scriptedPorts(Transcript *transcript, ScriptedPrompter **prompter, RecordingSound **sound)
{
    Game::Ports ports;
    ports.random = std::make_unique<Random>();
    auto scriptedPrompter = std::make_unique<ScriptedPrompter>(transcript);
    auto recordingSound = std::make_unique<RecordingSound>(transcript);
    if (prompter)
        *prompter = scriptedPrompter.get();
    if (sound)
        *sound = recordingSound.get();
    ports.prompter = std::move(scriptedPrompter);
    ports.sound = std::move(recordingSound);
    ports.settings = std::make_unique<MemorySettings>();
    ports.terminator = std::make_unique<RecordingTerminator>(transcript);
    return ports;
}
