// One thread processes audio while another, as a host's interface thread
// would, sets parameters, selects programs and reads texts back. Bounded by
// counts, not time. Run under ThreadSanitizer it shows any data race; in
// every build the output must stay finite for finite settings.
//
// thread_stress PLUGIN.so NAME [--blocks N] [--report FILE.md]

#include "framework/plug_interface.h"
#include "tests/support/plugin_library.h"

#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr std::int32_t Block = 256;

struct Figures {
    long long blocks = 0;
    long long hostCalls = 0;
    bool finite = true;
};

void processBlocks(EffectRecord* effect, long long blocks, Figures& figures, std::atomic<bool>& done)
{
    const std::int32_t ins = effect->inputCount, outs = effect->outputCount;
    std::vector<std::vector<float>> in(ins, std::vector<float>(Block)), out(outs, std::vector<float>(Block));
    std::vector<float*> inP, outP;
    for (auto& ch : in)
        inP.push_back(ch.data());
    for (auto& ch : out)
        outP.push_back(ch.data());
    for (long long b = 0; b < blocks; ++b) {
        for (auto& ch : in)
            for (std::int32_t i = 0; i < Block; ++i)
                ch[i] = 0.5f * std::sin(0.01f * static_cast<float>(b * Block + i));
        for (auto& ch : out)
            std::fill(ch.begin(), ch.end(), 0.0f);
        if (effect->processOverwriting != nullptr && b % 2 == 1)
            effect->processOverwriting(effect, inP.data(), outP.data(), Block);
        else
            effect->processAdding(effect, inP.data(), outP.data(), Block);
        for (auto& ch : out)
            for (float x : ch)
                figures.finite = figures.finite && std::isfinite(x);
        ++figures.blocks;
    }
    done.store(true);
}

// Sane values only: the race, not the value, is under test here.
void actAsHost(EffectRecord* effect, long long& calls, const std::atomic<bool>& done)
{
    std::mt19937 random(7);
    char text[256];
    // At least some calls even when processing ends first.
    for (long long n = 0; n < 200 || !done.load(); ++n) {
        const std::int32_t params = effect->paramCount;
        const std::int32_t index = params > 0 ? static_cast<std::int32_t>(random() % params) : 0;
        switch (random() % 6) {
        case 0:
        case 1:
            effect->setParam(effect, index, static_cast<float>(random() % 1001) / 1000.0f);
            break;
        case 2:
            effect->dispatch(effect, OpSetProgram, 0, static_cast<PlugInt>(random() % effect->programCount), nullptr,
                             0.0f);
            break;
        case 3:
            effect->getParam(effect, index);
            break;
        case 4:
            effect->dispatch(effect, OpGetParamText, index, 0, text, 0.0f);
            break;
        case 5:
            effect->dispatch(effect, OpGetProgramName, 0, 0, text, 0.0f);
            break;
        }
        ++calls;
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: thread_stress PLUGIN NAME [--blocks N] [--report FILE]\n");
        return 2;
    }
    long long blocks = 2000;
    const char* report = nullptr;
    for (int i = 3; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--blocks")
            blocks = std::atoll(argv[i + 1]);
        else if (option == "--report")
            report = argv[i + 1];
    }

    PluginLibrary library(argv[1]);
    EffectRecord* effect = library.open();
    effect->dispatch(effect, OpSetSampleRate, 0, 0, nullptr, 44100.0f);
    effect->dispatch(effect, OpSetBlockSize, 0, Block, nullptr, 0.0f);
    effect->dispatch(effect, OpPower, 0, 1, nullptr, 0.0f);

    Figures figures;
    std::atomic<bool> done{false};
    std::thread audio(processBlocks, effect, blocks, std::ref(figures), std::ref(done));
    actAsHost(effect, figures.hostCalls, done);
    audio.join();
    closeEffect(effect);

    std::printf("%s: %lld blocks processed while %lld host calls were made, output %s\n", argv[2], figures.blocks,
                figures.hostCalls, figures.finite ? "finite" : "NOT FINITE");
    if (report != nullptr)
        if (FILE* file = std::fopen(report, "w")) {
            std::fprintf(file, "| %s | %lld | %lld | %s |\n", argv[2], figures.blocks, figures.hostCalls,
                         figures.finite ? "finite" : "NOT FINITE");
            std::fclose(file);
        }
    return figures.finite ? 0 : 1;
}
