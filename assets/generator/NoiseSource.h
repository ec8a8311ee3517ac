#pragma once

#include <cstdint>

// White noise from a fixed seed (a 64-bit xorshift): the same seed always gives the same
// samples, so the synthesised sounds come out byte for byte the same on every run.
class NoiseSource
{
public:
    explicit NoiseSource(std::uint64_t seed) : m_state(seed ? seed : 0x9E3779B97F4A7C15ull) {}

    // The next sample, uniform in [-1, 1).
    double next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return double(m_state >> 11) / double(1ull << 52) - 1.0;
    }

private:
    std::uint64_t m_state;
};
