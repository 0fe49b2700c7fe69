// Deterministic stereo test material and a few helpers shared by the reverb
// engine tests: the same inputs for the reference and the shipped engine.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

struct StereoBuffer {
    std::vector<float> left;
    std::vector<float> right;

    explicit StereoBuffer(std::size_t frames = 0, float value = 0.0f) : left(frames, value), right(frames, value) {}
    std::size_t frames() const { return left.size(); }
};

// Small linear congruential noise: the same numbers on every target.
class TestNoise {
public:
    explicit TestNoise(std::uint32_t seed) : state(seed) {}
    float next()  // -1 .. 1
    {
        state = state * 1664525u + 1013904223u;
        return static_cast<float>(static_cast<std::int32_t>(state >> 8) - (1 << 23)) / static_cast<float>(1 << 23);
    }

private:
    std::uint32_t state;
};

inline bool sameBits(const float* a, const float* b, std::size_t count)
{
    return std::memcmp(a, b, count * sizeof(float)) == 0;
}

inline std::uint32_t bitsOf(float x)
{
    std::uint32_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

// First index whose bits differ, or -1.
inline long firstDifference(const std::vector<float>& a, const std::vector<float>& b)
{
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (bitsOf(a[i]) != bitsOf(b[i]))
            return static_cast<long>(i);
    return a.size() == b.size() ? -1 : static_cast<long>(a.size() < b.size() ? a.size() : b.size());
}

// Ten seconds at 44.1 kHz of noise, bursts, impulses, silences, a stretch so
// quiet that the tank runs into denormals, and a few NaN and infinities.
inline StereoBuffer tenSecondsOfMaterial()
{
    const std::size_t frames = 441000;
    StereoBuffer in(frames);
    TestNoise noise(12345u);
    for (std::size_t n = 0; n < frames; ++n) {
        float l = 0.0f;
        float r = 0.0f;
        const float a = noise.next();
        const float b = noise.next();
        if (n < 30000) {
            l = 0.5f * a;
            r = 0.5f * b;
        } else if (n < 100000) {
            if (n % 5000 == 0)
                l = r = 1.0f;
            if (n % 7919 == 0)
                r = -0.7f;
        } else if (n < 140000) {
            if ((n / 2000) % 4 == 0) {  // bursts for the gate
                l = 0.4f * a;
                r = 0.4f * b;
            }
        } else if (n < 200000) {
            l = 0.3f * a;
            r = 0.3f * b;
        } else if (n < 260000) {
            if (n % 3001 == 0)
                l = 0.9f;
            if (n % 4409 == 0)
                r = 0.8f;
        } else if (n < 300000) {
            l = 1e-36f * a;  // denormal once it is scaled into the tank
            r = 1e-36f * b;
        } else if (n < 360000) {
            // silence: the tail decays to nothing
        } else {
            l = 0.2f * a;
            r = 0.2f * b;
            if (n % 10000 == 0)
                l = -1.0f;
        }
        in.left[n] = l;
        in.right[n] = r;
    }
    in.left[150001] = std::numeric_limits<float>::quiet_NaN();
    in.right[160002] = std::numeric_limits<float>::infinity();
    in.left[170003] = -std::numeric_limits<float>::infinity();
    in.right[370000] = std::numeric_limits<float>::quiet_NaN();
    return in;
}

// The effect's conversions for a few settings, as it will apply them.
inline float gateThresholdFor(int decibels)
{
    return static_cast<float>(std::pow(10.0, (90 - decibels) / 20.0) / 2184533.0);
}
inline float stepFor(int milliseconds) { return 1.0f / (static_cast<float>(milliseconds) * 44.1f); }
inline std::uint16_t samplesFor(int milliseconds)
{
    return static_cast<std::uint16_t>(static_cast<double>(44.1f) * milliseconds);
}

// The "Inicial" program's settings: the starting point of most tests.
template <typename Engine>
void applyInitialProgram(Engine& e, int quality = 10)
{
    e.gateEnabled = false;
    e.setTailHold(0.0f);
    e.setRoomSize(110.0f / 203.0f);
    e.setDamping(23.0f / 100.0f);
    e.clearPreDelay();
    e.preDelayLength = samplesFor(18);
    e.highPassAmount = 25.0f / 600.0f;
    e.gateAttackStep = stepFor(1);
    e.gateThreshold = gateThresholdFor(60);
    e.gateHoldLength = samplesFor(200);
    e.gateReleaseStep = stepFor(200);
    e.setWet(1.0f);
    e.setDry(0.0f);
    e.lowPassAmount = 0.0f;
    e.combCount = static_cast<std::uint8_t>(quality);
    e.clearTank();
    e.panorama = 20;
}

// Runs `engine` over `in` in blocks of `block` frames (overwriting).
template <typename Engine>
StereoBuffer runBlocks(Engine& engine, const StereoBuffer& in, int block)
{
    StereoBuffer out(in.frames());
    for (std::size_t at = 0; at < in.frames(); at += block) {
        const int n = static_cast<int>(in.frames() - at < static_cast<std::size_t>(block) ? in.frames() - at : block);
        float* inputs[2] = {const_cast<float*>(&in.left[at]), const_cast<float*>(&in.right[at])};
        float* outputs[2] = {&out.left[at], &out.right[at]};
        engine.processOverwriting(inputs, outputs, n);
    }
    return out;
}
