#include "app/GamePorts.h"

#include "platform/QtHelp.h"
#include "platform/QtPrompter.h"
#include "platform/QtSettings.h"
#include "platform/QtSound.h"
#include "platform/QtSysInfo.h"
#include "platform/RecordingHelp.h"
#include "platform/RecordingSound.h"
#include "platform/RecordingSysInfo.h"
#include "platform/ScriptedPrompter.h"

Game::Ports realPorts()
{
    Game::Ports ports;
    ports.random = std::make_unique<Random>();
    ports.prompter = std::make_unique<QtPrompter>();
    ports.sound = std::make_unique<QtSound>();
    ports.settings = std::make_unique<QtSettings>();
    ports.terminator = std::make_unique<ProcessTerminator>();
    ports.help = std::make_unique<QtHelp>();
    ports.sysInfo = std::make_unique<QtSysInfo>();
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
    ports.help = std::make_unique<RecordingHelp>(transcript);
    ports.sysInfo = std::make_unique<RecordingSysInfo>(transcript);
    return ports;
}
