// Every parameter of every plug-in set to odd values, one at a time, on a
// fresh effect fed a finite signal: the output stays finite, except where a
// parameter is a plain linear factor (gains pass what they are given), and
// once the parameter is set back to a sane value the output is finite again.

#include "tests/misuse/misuse_report.h"
#include "tests/support/plugin_library.h"

#include <doctest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t Block = 256;
constexpr int Blocks = 8;

const float OddValues[] = {
    std::numeric_limits<float>::quiet_NaN(),
    -std::numeric_limits<float>::quiet_NaN(),
    std::numeric_limits<float>::infinity(),
    -std::numeric_limits<float>::infinity(),
    std::numeric_limits<float>::max(),
    -std::numeric_limits<float>::max(),
    1e30f,
    -1e30f,
    1000.0f,
    -1.0f,
    -0.5f,
    -std::numeric_limits<float>::denorm_min(),
    std::numeric_limits<float>::denorm_min(),
    std::numeric_limits<float>::min(),
    -0.0f,
    0.0f,
    std::nextafter(1.0f, 2.0f),
    1.0f,
    2.0f,
};

struct Plugin {
    const char* name;
    const char* path;
    // Whether this value makes the parameter a plain linear factor.
    bool (*isLinear)(const EffectRecord* effect, std::int32_t index, float value);
};

bool allLinear(const EffectRecord*, std::int32_t, float)
{
    return true;
}
bool noneLinear(const EffectRecord*, std::int32_t, float)
{
    return false;
}
// The panner's first parameters are pan positions, one per input; the rest
// are input gains. Below 0.0 a position weighs output 1 by 10 x position, a
// linear factor too (not a number included, as the law's formula gives).
bool pannerGains(const EffectRecord* effect, std::int32_t index, float value)
{
    return index >= effect->inputCount || !(value >= 0.0f);
}

// Runs a few blocks of a finite signal; true when every output sample is finite.
bool outputFinite(EffectRecord* effect)
{
    const std::int32_t ins = effect->inputCount;
    const std::int32_t outs = effect->outputCount;
    std::vector<std::vector<float>> in(static_cast<std::size_t>(ins), std::vector<float>(Block));
    std::vector<std::vector<float>> out(static_cast<std::size_t>(outs), std::vector<float>(Block));
    std::vector<float*> inPointers, outPointers;
    for (auto& channel : in)
        inPointers.push_back(channel.data());
    for (auto& channel : out)
        outPointers.push_back(channel.data());
    bool finite = true;
    for (int b = 0; b < Blocks; ++b) {
        for (std::int32_t c = 0; c < ins; ++c)
            for (std::int32_t i = 0; i < Block; ++i)
                in[c][i] = 0.5f * std::sin(0.05f * static_cast<float>(b * Block + i + c));
        for (auto& channel : out)
            std::fill(channel.begin(), channel.end(), 0.0f);
        effect->processAdding(effect, inPointers.data(), outPointers.data(), Block);
        for (auto& channel : out)
            for (float sample : channel)
                finite = finite && std::isfinite(sample);
    }
    return finite;
}

EffectRecord* readyEffect(const PluginLibrary& library)
{
    EffectRecord* effect = library.open();
    effect->dispatch(effect, OpSetSampleRate, 0, 0, nullptr, 44100.0f);
    effect->dispatch(effect, OpSetBlockSize, 0, Block, nullptr, 0.0f);
    effect->dispatch(effect, OpPower, 0, 1, nullptr, 0.0f);
    return effect;
}

void checkPlugin(const Plugin& plugin)
{
    PluginLibrary library(plugin.path);
    int cases = 0, nonFinite = 0;
    EffectRecord* probe = library.open();
    const std::int32_t params = probe->paramCount;
    closeEffect(probe);
    for (std::int32_t index = 0; index < params; ++index)
        for (float value : OddValues) {
            EffectRecord* effect = readyEffect(library);
            const float sane = effect->getParam(effect, index);
            CAPTURE(index);
            CAPTURE(value);
            effect->setParam(effect, index, value);
            const bool finite = outputFinite(effect);
            if (!plugin.isLinear(effect, index, value))
                CHECK(finite);
            nonFinite += finite ? 0 : 1;
            // Back to where it was: nothing odd may linger.
            effect->setParam(effect, index, sane);
            CHECK(outputFinite(effect));
            closeEffect(effect);
            ++cases;
        }
    writeMisuseReport(std::string("odd_values_") + plugin.name,
                      "| " + std::string(plugin.name) + " | " + std::to_string(params) + " | " +
                          std::to_string(cases) + " | " + std::to_string(nonFinite) + " |");
}

} // namespace

TEST_CASE("gains pass odd values through and recover")
{
    checkPlugin({"ZOVaGain", GAIN_PLUGIN, allLinear});
}

TEST_CASE("the mono gain passes odd values through and recovers")
{
    checkPlugin({"ZOVaMono", MONO_PLUGIN, allLinear});
}

TEST_CASE("reverb output stays finite whatever its parameters")
{
    checkPlugin({"MiralteaVerb", REVERB_PLUGIN, noneLinear});
}

TEST_CASE("panner positions from 0 up never make the output non-finite; its gains pass through")
{
    checkPlugin({"Corvelan", PANNER_PLUGIN, pannerGains});
}
