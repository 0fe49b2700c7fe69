// How much slower the reverb runs on denormal input than on normal input.
// Prints the ratio of the best times of several short runs (goal: at most
// 1.5). A program, not a test: timings on a shared machine are not pass/fail.
//
// reverb_denormal_bench [--report FILE.md]

#include "tests/support/plugin_library.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

namespace {

constexpr std::int32_t Block = 512;
constexpr int BlocksPerRun = 3445; // forty seconds at 44.1 kHz
constexpr int Runs = 7;

double bestSeconds(const PluginLibrary& library, bool denormal)
{
    std::mt19937 random(3);
    std::uniform_real_distribution<float> unit(-1.0f, 1.0f);
    std::vector<float> signal(static_cast<std::size_t>(Block) * 64);
    for (float& x : signal)
        x = denormal ? unit(random) * 1e-39f : unit(random) * 0.3f;
    double best = 1e30;
    for (int run = 0; run < Runs; ++run) {
        EffectRecord* effect = library.open();
        effect->dispatch(effect, OpSetSampleRate, 0, 0, nullptr, 44100.0f);
        effect->dispatch(effect, OpSetBlockSize, 0, Block, nullptr, 0.0f);
        effect->dispatch(effect, OpPower, 0, 1, nullptr, 0.0f);
        std::vector<std::vector<float>> out(effect->outputCount, std::vector<float>(Block));
        std::vector<float*> in, outP;
        for (auto& ch : out)
            outP.push_back(ch.data());
        const auto start = std::chrono::steady_clock::now();
        for (int b = 0; b < BlocksPerRun; ++b) {
            in.assign(effect->inputCount, signal.data() + (b % 64) * Block);
            effect->processOverwriting != nullptr ? effect->processOverwriting(effect, in.data(), outP.data(), Block)
                                                  : effect->processAdding(effect, in.data(), outP.data(), Block);
        }
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        best = std::min(best, seconds);
        closeEffect(effect);
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    PluginLibrary library(REVERB_PLUGIN);
    const double normal = bestSeconds(library, false);
    const double denormal = bestSeconds(library, true);
    const double ratio = denormal / normal;
    std::printf("reverb, 40 s of audio: normal input %.4f s, denormal input %.4f s, ratio %.2f (goal at most 1.5)\n",
                normal, denormal, ratio);
    if (argc == 3 && std::strcmp(argv[1], "--report") == 0)
        if (FILE* file = std::fopen(argv[2], "w")) {
            std::fprintf(file, "| %.4f | %.4f | %.2f | %s |\n", normal, denormal, ratio,
                         ratio <= 1.5 ? "within 1.5x" : "ABOVE 1.5x");
            std::fclose(file);
        }
    return 0;
}
