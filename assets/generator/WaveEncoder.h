#pragma once

#include <QByteArray>
#include <vector>

// A mono 16-bit PCM RIFF/WAVE file of the samples (in [-1, 1], rounded to the nearest step).
QByteArray encodeWave(const std::vector<double> &samples, int sampleRate);
