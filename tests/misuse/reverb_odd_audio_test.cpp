// Bad audio into the reverb: not-a-number, infinities, denormals, huge and
// full-scale square input. Whatever went in, one second after it stops the
// output is finite and holds no denormals again; finite input (squares
// included) never gives a non-finite sample at all.

#include "tests/misuse/misuse_report.h"
#include "tests/support/plugin_library.h"

#include <doctest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr float Rate = 44100.0f;
constexpr std::int32_t Block = 512;
constexpr int Second = 44100;

enum class After { Silence, Signal };

struct Case {
    const char* name;
    float (*bad)(int n); // the bad input's sample n
    bool finiteInput;
};

float nan(int)
{
    return std::numeric_limits<float>::quiet_NaN();
}
float nanBurst(int n)
{
    return n % 97 == 0 ? std::numeric_limits<float>::quiet_NaN() : 0.3f;
}
float infinity(int n)
{
    return n % 2 == 0 ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
}
float denormal(int n)
{
    return (n % 3 - 1) * 1e-40f;
}
float tinyNormal(int n)
{
    return (n % 2 == 0 ? 1.0f : -1.0f) * std::numeric_limits<float>::min();
}
float square(int n)
{
    return (n / 50) % 2 == 0 ? 1.0f : -1.0f;
}
// Far beyond full scale, yet short of where any sum of floats overflows.
float hugeSquare(int n)
{
    return square(n) * 1e30f;
}
// The largest floats there are: the engine holds them at its input limit.
float limitSquare(int n)
{
    return square(n) * std::numeric_limits<float>::max();
}
float squareDc(int)
{
    return 1.0f;
}

const Case Cases[] = {
    {"not a number", nan, false},          {"not a number now and then", nanBurst, false},
    {"infinities", infinity, false},       {"denormals", denormal, true},
    {"smallest normals", tinyNormal, true}, {"full-scale square", square, true},
    {"full-scale constant", squareDc, true}, {"square at 1e30", hugeSquare, true},
    {"square at the float limit", limitSquare, true},
};

bool normalOrZero(float x)
{
    return std::isfinite(x) && (x == 0.0f || std::fabs(x) >= std::numeric_limits<float>::min());
}

struct Outcome {
    bool finiteWhileBad = true;
    bool recovered = true;
};

Outcome run(const PluginLibrary& library, const Case& c, After after, std::int32_t program)
{
    EffectRecord* effect = library.open();
    effect->dispatch(effect, OpSetSampleRate, 0, 0, nullptr, Rate);
    effect->dispatch(effect, OpSetBlockSize, 0, Block, nullptr, 0.0f);
    effect->dispatch(effect, OpSetProgram, 0, program, nullptr, 0.0f);
    effect->dispatch(effect, OpPower, 0, 1, nullptr, 0.0f);
    const std::int32_t ins = effect->inputCount, outs = effect->outputCount;
    std::vector<std::vector<float>> in(ins, std::vector<float>(Block)), out(outs, std::vector<float>(Block));
    std::vector<float*> inP, outP;
    for (auto& ch : in)
        inP.push_back(ch.data());
    for (auto& ch : out)
        outP.push_back(ch.data());

    // Half a second of music, half a second of bad input, then two seconds
    // of what follows; from one second after the bad input the output is checked.
    const int badStart = Second / 2, badEnd = Second, checkFrom = badEnd + Second, end = badEnd + 2 * Second;
    Outcome outcome;
    for (int start = 0; start < end; start += Block) {
        for (int i = 0; i < Block; ++i) {
            const int n = start + i;
            const float music = 0.4f * std::sin(0.03f * static_cast<float>(n));
            float x = music;
            if (n >= badStart && n < badEnd)
                x = c.bad(n - badStart);
            else if (n >= badEnd && after == After::Silence)
                x = 0.0f;
            for (auto& ch : in)
                ch[i] = x;
        }
        for (auto& ch : out)
            std::fill(ch.begin(), ch.end(), 0.0f);
        effect->processAdding(effect, inP.data(), outP.data(), Block);
        for (auto& ch : out)
            for (int i = 0; i < Block; ++i) {
                if (c.finiteInput && !std::isfinite(ch[i]))
                    outcome.finiteWhileBad = false;
                if (start + i >= checkFrom && !normalOrZero(ch[i]))
                    outcome.recovered = false;
            }
    }
    closeEffect(effect);
    return outcome;
}

} // namespace

TEST_CASE("the reverb recovers within a second from any bad input")
{
    PluginLibrary library(REVERB_PLUGIN);
    EffectRecord* probe = library.open();
    const std::int32_t programs = probe->programCount;
    closeEffect(probe);
    // A short room, a long hall and the last program.
    const std::int32_t chosen[] = {0, 5, programs - 1};
    int cases = 0, passed = 0;
    for (const Case& c : Cases)
        for (After after : {After::Silence, After::Signal})
            for (std::int32_t program : chosen) {
                const std::string input = c.name;
                const std::string following = after == After::Silence ? "silence after" : "signal after";
                CAPTURE(input);
                CAPTURE(following);
                CAPTURE(program);
                const Outcome outcome = run(library, c, after, program);
                CHECK(outcome.finiteWhileBad);
                CHECK(outcome.recovered);
                ++cases;
                passed += outcome.finiteWhileBad && outcome.recovered ? 1 : 0;
            }
    writeMisuseReport("reverb_odd_audio", "| " + std::to_string(cases) + " | " + std::to_string(passed) + " |");
}
