#include "tools/test_signal/drum_pattern.h"

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

// White noise from a linear congruential generator, in -1 .. 1.
struct Noise {
    std::uint32_t state = 12345;
    double next()
    {
        state = state * 1664525u + 1013904223u;
        return static_cast<double>(static_cast<std::int32_t>(state)) / 2147483648.0;
    }
};

} // namespace

std::vector<float> drumPattern(double seconds, std::uint32_t sampleRate)
{
    const auto frames = static_cast<std::size_t>(seconds * sampleRate);
    const double beat = 0.5; // seconds
    std::vector<float> samples(frames * 2);
    Noise noise;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double sinceBeat = std::fmod(t, beat);
        const double sinceOffBeat = std::fmod(t + beat / 2, beat);
        const double sinceEighth = std::fmod(t, beat / 2);
        const int beatNumber = static_cast<int>(t / beat);

        // Kick: a sine falling from 110 Hz to 45 Hz.
        const double kickPhase = 2 * Pi * (45 * sinceBeat + 65 * 0.03 * (1 - std::exp(-sinceBeat / 0.03)));
        const double kick = std::sin(kickPhase) * std::exp(-sinceBeat / 0.12);
        // Snare: noise with a little body, on beats 2 and 4.
        const bool snareBeat = beatNumber % 2 == 1;
        const double white = noise.next();
        const double snare = snareBeat ? (0.7 * white + 0.3 * std::sin(2 * Pi * 190 * sinceOffBeat)) *
                                             std::exp(-sinceOffBeat / 0.06)
                                       : 0.0;
        // Hi-hat: short noise bursts.
        const double hat = 0.25 * white * std::exp(-sinceEighth / 0.015);

        const double mix = 0.5 * kick + 0.35 * snare;
        samples[2 * i] = static_cast<float>(mix + 0.8 * hat);
        samples[2 * i + 1] = static_cast<float>(mix + 0.5 * hat);
    }
    return samples;
}
