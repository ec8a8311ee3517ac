#include "SoundEffects.h"

#include "Biquad.h"
#include "NoiseSource.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace SoundEffects {

namespace {

constexpr double Pi = std::numbers::pi;

size_t sampleCount(double seconds)
{
    return size_t(std::lround(seconds * SampleRate));
}

double timeOf(size_t index)
{
    return double(index) / SampleRate;
}

// Raised-cosine ramps at both ends, so that no sound starts or stops with a click.
void shapeEnds(std::vector<double> &samples, double attackSeconds, double releaseSeconds)
{
    const size_t attack = std::min(sampleCount(attackSeconds), samples.size());
    for (size_t i = 0; i < attack; ++i)
        samples[i] *= 0.5 - 0.5 * std::cos(Pi * double(i) / double(attack));
    const size_t release = std::min(sampleCount(releaseSeconds), samples.size());
    for (size_t i = 0; i < release; ++i)
        samples[samples.size() - 1 - i] *= 0.5 - 0.5 * std::cos(Pi * double(i) / double(release));
}

struct ThudShape
{
    double seconds;        // whole length
    double startPitch;     // Hz at the moment of impact
    double endPitch;       // Hz the body settles to
    double pitchFall;      // s, time constant of the pitch drop
    double bodyDecay;      // s, time constant of the body's level
    double slapLevel;      // level of the glove's slap against the body
    double slapBrightness; // Hz, low-pass corner of the slap
    double slapDecay;      // s
    double drive;          // soft saturation; more is rougher
    std::uint64_t seed;
};

// A glove landing: a falling low tone for the body and filtered noise for the leather's slap.
std::vector<double> thud(const ThudShape &shape)
{
    std::vector<double> samples(sampleCount(shape.seconds));
    NoiseSource noise(shape.seed);
    Biquad slapFilter;
    slapFilter.tune(Biquad::Kind::LowPass, shape.slapBrightness, 0.8, SampleRate);
    double phase = 0.0;
    for (size_t i = 0; i < samples.size(); ++i) {
        const double t = timeOf(i);
        const double pitch =
            shape.endPitch + (shape.startPitch - shape.endPitch) * std::exp(-t / shape.pitchFall);
        phase += 2.0 * Pi * pitch / SampleRate;
        const double body = std::sin(phase) * std::exp(-t / shape.bodyDecay);
        const double slap =
            slapFilter.process(noise.next()) * shape.slapLevel * std::exp(-t / shape.slapDecay);
        samples[i] = std::tanh(shape.drive * (body + slap)) / std::tanh(shape.drive);
    }
    shapeEnds(samples, 0.0015, 0.02);
    return samples;
}

} // namespace

std::vector<double> ringBell()
{
    struct Partial
    {
        double ratio; // of the fundamental
        double level;
        double decay; // s to fall by 60 dB
        double beat;  // Hz between the two slightly different modes that make the shimmer
    };
    // A bell's partials are not harmonic; the higher ones die away first.
    constexpr Partial Partials[] = {
        {1.00, 1.00, 3.5, 1.3}, {2.01, 0.45, 2.0, 2.1}, {2.76, 0.50, 1.4, 1.7},
        {4.07, 0.28, 0.9, 2.9}, {5.40, 0.22, 0.6, 3.7}, {8.93, 0.10, 0.3, 5.0},
    };
    constexpr double Fundamental = 740.0;
    constexpr double Ln1000 = 6.907755278982137;

    std::vector<double> samples(sampleCount(2.0));
    NoiseSource noise(0x6F6E67u);
    Biquad strikeFilter;
    strikeFilter.tune(Biquad::Kind::HighPass, 2500.0, 0.7, SampleRate);
    for (size_t i = 0; i < samples.size(); ++i) {
        const double t = timeOf(i);
        double sum = 0.0;
        for (const Partial &partial : Partials) {
            const double f = Fundamental * partial.ratio;
            const double level = partial.level * std::exp(-t * Ln1000 / partial.decay);
            sum += level * 0.5 *
                   (std::sin(2.0 * Pi * (f - partial.beat / 2) * t) +
                    std::sin(2.0 * Pi * (f + partial.beat / 2) * t));
        }
        sum += 0.35 * strikeFilter.process(noise.next()) * std::exp(-t / 0.004);
        samples[i] = sum;
    }
    shapeEnds(samples, 0.001, 0.3);
    return samples;
}

std::vector<double> hit()
{
    return thud({0.20, 220.0, 95.0, 0.025, 0.045, 1.6, 3200.0, 0.010, 1.6, 0x686974u});
}

std::vector<double> bigHit()
{
    return thud({0.28, 170.0, 60.0, 0.045, 0.085, 2.0, 2300.0, 0.018, 2.6, 0x626967u});
}

std::vector<double> guardedHit()
{
    return thud({0.15, 320.0, 180.0, 0.018, 0.028, 1.3, 1200.0, 0.009, 1.2, 0x677561u});
}

std::vector<double> miss()
{
    constexpr double Seconds = 0.26;
    std::vector<double> samples(sampleCount(Seconds));
    NoiseSource noise(0x6D6973u);
    Biquad band;
    for (size_t i = 0; i < samples.size(); ++i) {
        const double u = timeOf(i) / Seconds;
        // The glove passes close by: the rush of air rises in pitch and level, then falls away.
        const double sweep = std::sin(Pi * std::pow(u, 0.8));
        band.tune(Biquad::Kind::BandPass, 350.0 + 1500.0 * sweep, 1.4, SampleRate);
        samples[i] = band.process(noise.next()) * sweep * sweep;
    }
    shapeEnds(samples, 0.005, 0.02);
    return samples;
}

double loudestWindowDb(const std::vector<double> &samples)
{
    const size_t window = std::min(sampleCount(0.05), samples.size());
    double sum = 0.0;
    for (size_t i = 0; i < window; ++i)
        sum += samples[i] * samples[i];
    double loudest = sum;
    for (size_t i = window; i < samples.size(); ++i) {
        sum += samples[i] * samples[i] - samples[i - window] * samples[i - window];
        loudest = std::max(loudest, sum);
    }
    return 10.0 * std::log10(std::max(loudest / double(window), 1e-12));
}

void normalise(std::vector<double> &samples, double targetDb, double ceilingDb)
{
    double peak = 0.0;
    for (double sample : samples)
        peak = std::max(peak, std::abs(sample));
    double gain = std::pow(10.0, (targetDb - loudestWindowDb(samples)) / 20.0);
    gain = std::min(gain, std::pow(10.0, ceilingDb / 20.0) / peak);
    for (double &sample : samples)
        sample *= gain;
}

} // namespace SoundEffects
