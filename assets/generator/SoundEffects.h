#pragma once

#include <vector>

// The game's sound effects, synthesised from code as mono samples in [-1, 1].
namespace SoundEffects {

constexpr int SampleRate = 44100;

// The ring bell: one strike with a long metallic decay (gong.wav).
std::vector<double> ringBell();
// A clean hit to the body or face (punchHit.wav).
std::vector<double> hit();
// A heavy hit: lower, longer and rougher than a clean one (punchBigHit.wav).
std::vector<double> bigHit();
// A punch caught on the gloves: short and muffled (punchGuard.wav).
std::vector<double> guardedHit();
// A punch through the air (punchNo.wav).
std::vector<double> miss();

// Scales the sound so that its loudest 50 ms reach targetDb (dB below full scale) unless
// its peak would then pass ceilingDb, in which case the peak is set to ceilingDb.
void normalise(std::vector<double> &samples, double targetDb, double ceilingDb);
// The level of the loudest 50 ms in dB below full scale.
double loudestWindowDb(const std::vector<double> &samples);

} // namespace SoundEffects
