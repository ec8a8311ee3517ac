#pragma once

#include <QtGlobal>

// The game's one source of chance: a uniform draw in [0, 1), seeded once and never
// reseeded, giving the same sequence on every platform and compiler.
class Random
{
public:
    virtual ~Random() = default;

    // The next draw, uniform in [0, 1).
    virtual double next();

    // A choice among n equal outcomes: Int(draw × n).
    int below(int n) { return static_cast<int>(next() * n); }

private:
    // SplitMix64 from a fixed seed: pure integer arithmetic, so every build agrees.
    quint64 m_state = 0x52696E67476C6F72ULL;
};
