#pragma once

#include "app/Game.h"

class ScriptedPrompter;
class RecordingSound;
class Transcript;

// The ports of the real game: Qt boxes, real sound, the player's settings, a real exit.
Game::Ports realPorts();

// Ports for the script driver and tests: scripted boxes, recorded sounds, settings in
// memory, a recorded end. The optional out-pointers give access to the doubles.
Game::Ports scriptedPorts(Transcript *transcript, ScriptedPrompter **prompter = nullptr,
                          RecordingSound **sound = nullptr);
