#include "platform/core/Random.h"

double Random::next()
{
    m_state += 0x9E3779B97F4A7C15ULL;
    quint64 z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    // The top 53 bits make an exact double in [0, 1).
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}
