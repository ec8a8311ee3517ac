#pragma once

#include "options/core/GameOptions.h"

class Settings;

// The options as the settings store keeps them: one word per option (the words of
// OptionText) under the option's name with a capital, beside the game's other settings.

// The stored options; each value that is missing or cannot be read is its default.
GameOptions loadOptions(const Settings &settings);
// Stores every option.
void saveOptions(Settings &settings, const GameOptions &options);
