#include "effects/panner/panner_effect.h"
#include "tests/panner/panner_test_support.h"

#include <doctest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace {

constexpr int MaxFrames = 512;

// Four input and ten output channels, as a host hands them over.
struct Channels {
    std::vector<float> in[PannerInputs];
    std::vector<float> out[PannerOutputs];
    float* inputs[PannerInputs];
    float* outputs[PannerOutputs];

    Channels()
    {
        for (int j = 0; j < PannerInputs; ++j) {
            in[j].assign(MaxFrames, 0.0f);
            inputs[j] = in[j].data();
        }
        for (int n = 0; n < PannerOutputs; ++n) {
            out[n].assign(MaxFrames, 0.0f);
            outputs[n] = out[n].data();
        }
    }

    void fillInputs(float (&values)[PannerInputs])
    {
        for (int j = 0; j < PannerInputs; ++j)
            in[j].assign(MaxFrames, values[j]);
    }

    void fillOutputs(float value)
    {
        for (auto& channel : out)
            channel.assign(MaxFrames, value);
    }
};

// Samples that differ per input and per frame, never 0.
float testSample(int input, int frame)
{
    std::uint32_t x = static_cast<std::uint32_t>(input * 7919 + frame * 104729 + 17);
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    return static_cast<float>(x % 20001u) / 10000.0f - 1.0f + 1e-4f;
}

// The mix written out in full: all forty products in input order, in float.
float referenceSample(PannerEffect& effect, const float (&a)[PannerInputs], int output)
{
    float sum = 0.0f;
    for (int j = 0; j < PannerInputs; ++j) {
        const float scaled = a[j] * effect.getParam(PannerInputs + j);
        sum = sum + scaled * effect.weight(j, output);
    }
    return sum;
}

void setAll(PannerEffect& effect, const float (&pan)[PannerInputs], const float (&gain)[PannerInputs])
{
    for (int j = 0; j < PannerInputs; ++j) {
        effect.setParam(j, pan[j]);
        effect.setParam(PannerInputs + j, gain[j]);
    }
}

struct Settings {
    float pan[PannerInputs];
    float gain[PannerInputs];
};

const Settings MixCases[] = {
    {{0.5f, 0.5f, 0.5f, 0.5f}, {1.0f, 1.0f, 1.0f, 1.0f}},   // all on output 5
    {{0.15f, 0.42f, 0.77f, 1.0f}, {1.0f, 0.5f, 2.0f, 0.8f}},  // no output shared
    {{0.95f, 0.62f, 0.35f, 0.12f}, {0.9f, 1.0f, 1.1f, 0.4f}}, // each on two outputs of its own
    {{0.05f, 0.1f, 0.95f, 0.35f}, {0.3f, 0.0f, 1.0f, 1.5f}},
    {{0.0f, 1.2f, -0.05f, 0.6f}, {1.0f, 1.0f, 1.0f, 1.0f}}, // outside the line
    {{0.25f, 0.25f, 0.3f, 0.35f}, {1.0f, 0.9f, 0.7f, 0.5f}},  // four inputs on three outputs
};

} // namespace

TEST_CASE("both process entries give the written-out mix, also in place")
{
    for (const Settings& s : MixCases) {
        for (int frames : {1, 3, 37, MaxFrames}) {
            for (bool adding : {false, true}) {
                for (bool inPlace : {false, true}) {
                    CAPTURE(s.pan[1]);
                    CAPTURE(frames);
                    CAPTURE(adding);
                    CAPTURE(inPlace);
                    auto effect = makeEffect();
                    setAll(*effect, s.pan, s.gain);
                    Channels ch;
                    for (int j = 0; j < PannerInputs; ++j)
                        for (int i = 0; i < MaxFrames; ++i)
                            ch.in[j][i] = testSample(j, i);
                    for (int n = 0; n < PannerOutputs; ++n)
                        for (int i = 0; i < MaxFrames; ++i)
                            ch.out[n][i] = testSample(n + 4, i) * 0.25f;
                    // In place, a host's outputs 3 to 6 are also its four inputs.
                    std::vector<float> original[PannerInputs];
                    for (int j = 0; j < PannerInputs; ++j)
                        original[j] = ch.in[j];
                    if (inPlace)
                        for (int j = 0; j < PannerInputs; ++j) {
                            ch.out[2 + j] = ch.in[j];
                            ch.inputs[j] = ch.outputs[2 + j];
                        }
                    std::vector<float> before[PannerOutputs];
                    for (int n = 0; n < PannerOutputs; ++n)
                        before[n] = ch.out[n];

                    if (adding)
                        effect->processAdding(ch.inputs, ch.outputs, frames);
                    else
                        effect->processOverwriting(ch.inputs, ch.outputs, frames);

                    for (int i = 0; i < MaxFrames; ++i) {
                        const float a[PannerInputs] = {original[0][i], original[1][i], original[2][i],
                                                       original[3][i]};
                        for (int n = 0; n < PannerOutputs; ++n) {
                            float expected = before[n][i];
                            if (i < frames)
                                expected = adding ? before[n][i] + referenceSample(*effect, a, n)
                                                  : referenceSample(*effect, a, n);
                            if (ch.out[n][i] != expected) {
                                CAPTURE(i);
                                CAPTURE(n);
                                CHECK(ch.out[n][i] == expected);
                            }
                        }
                    }
                }
            }
        }
    }
}

namespace {

struct GainCase {
    const char* what;
    float pan[PannerInputs];
    float gain[PannerInputs];
    float input[PannerInputs];
    float output[PannerOutputs];
};

const GainCase GainCases[] = {
    {"unity gain at 0.5 is output 5 alone",
     {0.5f, 0.0f, 0.0f, 0.0f}, {1.0f, 1.0f, 1.0f, 1.0f}, {0.5f, 0.7f, 0.7f, 0.7f},
     {0, 0, 0, 0, 0.5f, 0, 0, 0, 0, 0}},
    {"gain 0 silences an input",
     {0.5f, 0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 1.0f, 1.0f}, {0.5f, 0.7f, 0.7f, 0.7f},
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"gain 2 doubles an input",
     {0.5f, 0.0f, 0.0f, 0.0f}, {2.0f, 1.0f, 1.0f, 1.0f}, {0.5f, 0.7f, 0.7f, 0.7f},
     {0, 0, 0, 0, 1.0f, 0, 0, 0, 0, 0}},
    {"each input has its own gain",
     {1.0f, 0.25f, 0.5f, 0.75f}, {0.5f, 0.5f, 0.25f, 4.0f}, {1.0f, 1.0f, 1.0f, 0.125f},
     {0, 0.25f, 0.25f, 0, 0.25f, 0, 0.25f, 0.25f, 0, 0.5f}},
    {"inputs on one output add up",
     {0.5f, 0.5f, 0.0f, 0.0f}, {1.0f, 1.0f, 1.0f, 1.0f}, {0.5f, 0.25f, 0.7f, 0.7f},
     {0, 0, 0, 0, 0.75f, 0, 0, 0, 0, 0}},
    {"pan 0 mutes whatever the gain",
     {0.0f, 0.0f, 0.0f, 0.0f}, {2.0f, 3.0f, 4.0f, 5.0f}, {1.0f, 1.0f, 1.0f, 1.0f},
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
};

} // namespace

TEST_CASE("gains scale each input before it is spread")
{
    for (const GainCase& c : GainCases) {
        CAPTURE(c.what);
        auto effect = makeEffect();
        setAll(*effect, c.pan, c.gain);
        Channels ch;
        float input[PannerInputs] = {c.input[0], c.input[1], c.input[2], c.input[3]};
        ch.fillInputs(input);
        ch.fillOutputs(9.0f);
        effect->processOverwriting(ch.inputs, ch.outputs, 16);
        for (int n = 0; n < PannerOutputs; ++n) {
            CAPTURE(n);
            CHECK(ch.out[n][0] == c.output[n]);
            CHECK(ch.out[n][15] == c.output[n]);
            CHECK(ch.out[n][16] == 9.0f);
        }
    }
}

TEST_CASE("processAdding adds to what the outputs hold, processOverwriting replaces it")
{
    auto effect = makeEffect();
    effect->setParam(0, 0.5f);
    Channels ch;
    float input[PannerInputs] = {0.5f, 0.0f, 0.0f, 0.0f};
    ch.fillInputs(input);

    ch.fillOutputs(0.25f);
    effect->processAdding(ch.inputs, ch.outputs, MaxFrames);
    for (int n = 0; n < PannerOutputs; ++n) {
        CAPTURE(n);
        CHECK(ch.out[n][0] == (n == 4 ? 0.75f : 0.25f));
        CHECK(ch.out[n][MaxFrames - 1] == (n == 4 ? 0.75f : 0.25f));
    }

    ch.fillOutputs(0.25f);
    effect->processOverwriting(ch.inputs, ch.outputs, MaxFrames);
    for (int n = 0; n < PannerOutputs; ++n) {
        CAPTURE(n);
        CHECK(ch.out[n][0] == (n == 4 ? 0.5f : 0.0f));
        CHECK(ch.out[n][MaxFrames - 1] == (n == 4 ? 0.5f : 0.0f));
    }
}

TEST_CASE("a block of no frames writes nothing")
{
    auto effect = makeEffect();
    effect->setParam(0, 0.5f);
    Channels ch;
    float input[PannerInputs] = {0.5f, 0.5f, 0.5f, 0.5f};
    ch.fillInputs(input);
    for (int frames : {0, -1, -512}) {
        for (bool adding : {false, true}) {
            CAPTURE(frames);
            CAPTURE(adding);
            ch.fillOutputs(0.25f);
            if (adding)
                effect->processAdding(ch.inputs, ch.outputs, frames);
            else
                effect->processOverwriting(ch.inputs, ch.outputs, frames);
            for (int n = 0; n < PannerOutputs; ++n)
                for (int i = 0; i < MaxFrames; ++i)
                    if (ch.out[n][i] != 0.25f)
                        CHECK(ch.out[n][i] == 0.25f);
        }
    }
}

TEST_CASE("a fresh instance is silent")
{
    auto effect = makeEffect();
    Channels ch;
    float input[PannerInputs] = {1.0f, -1.0f, 0.5f, 0.25f};
    ch.fillInputs(input);
    ch.fillOutputs(0.25f);
    effect->processOverwriting(ch.inputs, ch.outputs, MaxFrames);
    for (int n = 0; n < PannerOutputs; ++n)
        for (int i = 0; i < MaxFrames; ++i)
            if (ch.out[n][i] != 0.0f)
                CHECK(ch.out[n][i] == 0.0f);
}
