#pragma once

// The player's choices that go past the original game. Every default is the original
// game's own behaviour, so a player who never opens the settings plays it unchanged.
struct GameOptions
{
    enum class Scale { Auto, Percent100, Percent150, Percent200, Percent300 };
    enum class RiseAssist { Off, Hold };
    enum class GuardCue { Colour, Outline };

    // Size of every window: Auto follows the desktop's own scale.
    Scale scale = Scale::Auto;
    // Loudness of every sound, 0 to 100.
    int volume = 100;
    bool mute = false;
    // Hold: holding Space or the mouse on 立て！ counts as hammering it.
    RiseAssist riseAssist = RiseAssist::Off;
    // Outline: the guard circle also shows a thick outline and "ガード中" while guarding.
    GuardCue guardCue = GuardCue::Colour;

    bool operator==(const GameOptions &) const = default;
};
