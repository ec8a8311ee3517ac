#pragma once

#include <cmath>
#include <numbers>

// A second-order filter from the well-known audio cookbook formulas; its tuning may change
// from one sample to the next for sweeps.
class Biquad
{
public:
    enum class Kind { LowPass, HighPass, BandPass };

    // Sets the response for a corner or centre frequency in Hz and a quality factor.
    void tune(Kind kind, double frequency, double q, double sampleRate)
    {
        const double w = 2.0 * std::numbers::pi * frequency / sampleRate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double cosw = std::cos(w);
        double b0 = 0;
        double b1 = 0;
        double b2 = 0;
        switch (kind) {
        case Kind::LowPass:
            b0 = (1.0 - cosw) / 2.0;
            b1 = 1.0 - cosw;
            b2 = b0;
            break;
        case Kind::HighPass:
            b0 = (1.0 + cosw) / 2.0;
            b1 = -(1.0 + cosw);
            b2 = b0;
            break;
        case Kind::BandPass:
            b0 = alpha;
            b1 = 0.0;
            b2 = -alpha;
            break;
        }
        const double a0 = 1.0 + alpha;
        m_b0 = b0 / a0;
        m_b1 = b1 / a0;
        m_b2 = b2 / a0;
        m_a1 = -2.0 * cosw / a0;
        m_a2 = (1.0 - alpha) / a0;
    }

    // Filters one sample.
    double process(double x)
    {
        const double y = m_b0 * x + m_b1 * m_x1 + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
        m_x2 = m_x1;
        m_x1 = x;
        m_y2 = m_y1;
        m_y1 = y;
        return y;
    }

private:
    double m_b0 = 1, m_b1 = 0, m_b2 = 0, m_a1 = 0, m_a2 = 0;
    double m_x1 = 0, m_x2 = 0, m_y1 = 0, m_y2 = 0;
};
