// Times the process entries of the panner, gain and mono plug-ins at a block
// of 512 frames, each against a plain loop that moves the same samples: for
// the panner one that reads the 4 inputs and writes the 10 outputs once, for
// the gain and mono effects a copy of their two channels. The plug-ins are
// loaded as built, since they carry different levels of the framework and
// cannot share one program.
#include "framework/plug_interface.h"

#include <dlfcn.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int BlockFrames = 512;
constexpr int CallsPerTrial = 2000;
constexpr int Trials = 31;

PlugInt benchHost(EffectRecord*, std::int32_t opcode, std::int32_t, PlugInt, void*, float)
{
    return opcode == HostVersion ? 1 : 0;
}

// Lets the compiler assume nothing about what the buffers hold between calls.
inline void clobber()
{
    asm volatile("" ::: "memory");
}

struct Timing {
    double minimum;
    double median;
};

// Nanoseconds per frame of one call on a block.
template <typename Call>
Timing timePerFrame(Call call)
{
    for (int i = 0; i < CallsPerTrial / 4; ++i) {
        call();
        clobber();
    }
    std::vector<double> trials;
    for (int t = 0; t < Trials; ++t) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < CallsPerTrial; ++i) {
            call();
            clobber();
        }
        const auto stop = std::chrono::steady_clock::now();
        const double ns = std::chrono::duration<double, std::nano>(stop - start).count();
        trials.push_back(ns / (static_cast<double>(CallsPerTrial) * BlockFrames));
    }
    std::sort(trials.begin(), trials.end());
    return Timing{trials.front(), trials[trials.size() / 2]};
}

struct Channels {
    std::vector<std::vector<float>> in;
    std::vector<std::vector<float>> out;
    std::vector<float*> inputs;
    std::vector<float*> outputs;

    Channels(int inputCount, int outputCount)
        : in(inputCount, std::vector<float>(BlockFrames)), out(outputCount, std::vector<float>(BlockFrames, 0.0f))
    {
        for (int j = 0; j < inputCount; ++j) {
            for (int i = 0; i < BlockFrames; ++i)
                in[j][i] = 1e-3f * static_cast<float>((i * 37 + j * 11) % 101 - 50) / 50.0f;
            inputs.push_back(in[j].data());
        }
        for (auto& channel : out)
            outputs.push_back(channel.data());
    }
};

// The yardsticks: the least a loop over these channels can do, given the
// channels' independence so that it may run over whole vectors.
__attribute__((noinline)) void fourToTen(const float* __restrict in0, const float* __restrict in1,
                                         const float* __restrict in2, const float* __restrict in3,
                                         float* __restrict out0, float* __restrict out1, float* __restrict out2,
                                         float* __restrict out3, float* __restrict out4, float* __restrict out5,
                                         float* __restrict out6, float* __restrict out7, float* __restrict out8,
                                         float* __restrict out9, int frames)
{
    for (int i = 0; i < frames; ++i) {
        const float a0 = in0[i];
        const float a1 = in1[i];
        const float a2 = in2[i];
        const float a3 = in3[i];
        out0[i] = a0;
        out1[i] = a1;
        out2[i] = a2;
        out3[i] = a3;
        out4[i] = a0;
        out5[i] = a1;
        out6[i] = a2;
        out7[i] = a3;
        out8[i] = a0;
        out9[i] = a1;
    }
}

void plainFourToTen(float** in, float** out, int frames)
{
    fourToTen(in[0], in[1], in[2], in[3], out[0], out[1], out[2], out[3], out[4], out[5], out[6], out[7], out[8],
              out[9], frames);
}

__attribute__((noinline)) void copyTwo(const float* __restrict in0, const float* __restrict in1,
                                       float* __restrict out0, float* __restrict out1, int frames)
{
    for (int i = 0; i < frames; ++i) {
        out0[i] = in0[i];
        out1[i] = in1[i];
    }
}

void plainCopyTwo(float** in, float** out, int frames)
{
    copyTwo(in[0], in[1], out[0], out[1], frames);
}

struct Plugin {
    const char* name;
    const char* what;
    const char* path;
    void (*setUp)(EffectRecord*);
    void (*yardstick)(float**, float**, int);
};

void setUpPanner(EffectRecord* r)
{
    // Every input crossfaded between two outputs: the most work the law allows.
    const float pan[4] = {0.15f, 0.42f, 0.77f, 0.95f};
    const float gain[4] = {1.0f, 0.5f, 0.8f, 0.7f};
    for (int j = 0; j < 4; ++j) {
        r->setParam(r, j, pan[j]);
        r->setParam(r, 4 + j, gain[j]);
    }
}

void setUpPannerShared(EffectRecord* r)
{
    // Inputs that share outputs take the general path.
    const float pan[4] = {0.25f, 0.25f, 0.28f, 0.33f};
    for (int j = 0; j < 4; ++j) {
        r->setParam(r, j, pan[j]);
        r->setParam(r, 4 + j, 0.9f);
    }
}

void setUpGain(EffectRecord* r)
{
    r->setParam(r, 0, 0.5f);
    r->setParam(r, 1, 0.7f);
}

void setUpMono(EffectRecord* r)
{
    r->setParam(r, 0, 0.8f);
}

bool benchPlugin(const Plugin& plugin)
{
    void* module = dlopen(plugin.path, RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        std::fprintf(stderr, "cannot load %s: %s\n", plugin.path, dlerror());
        return false;
    }
    auto pluginMain = reinterpret_cast<PluginMainFunction>(dlsym(module, "VSTPluginMain"));
    EffectRecord* r = pluginMain != nullptr ? pluginMain(benchHost) : nullptr;
    if (r == nullptr) {
        std::fprintf(stderr, "%s gave no effect\n", plugin.name);
        dlclose(module);
        return false;
    }
    r->dispatch(r, OpSetSampleRate, 0, 0, nullptr, 44100.0f);
    r->dispatch(r, OpSetBlockSize, 0, BlockFrames, nullptr, 0.0f);
    r->dispatch(r, OpPower, 0, 1, nullptr, 0.0f);
    plugin.setUp(r);

    Channels ch(r->inputCount, r->outputCount);
    float** inputs = ch.inputs.data();
    float** outputs = ch.outputs.data();
    const Timing plain = timePerFrame([&] { plugin.yardstick(inputs, outputs, BlockFrames); });
    const Timing overwriting = timePerFrame([&] { r->processOverwriting(r, inputs, outputs, BlockFrames); });
    const Timing adding = timePerFrame([&] { r->processAdding(r, inputs, outputs, BlockFrames); });

    std::printf("%-9s %-22s %-11s %6.3f  %6.3f\n", plugin.name, plugin.what, "plain loop", plain.minimum,
                plain.median);
    const struct {
        const char* entry;
        Timing t;
    } rows[] = {{"overwriting", overwriting}, {"adding", adding}};
    for (const auto& row : rows)
        std::printf("%-9s %-22s %-11s %6.3f  %6.3f   x%-5.2f  x%.2f\n", "", "", row.entry, row.t.minimum, row.t.median,
                    row.t.minimum / plain.minimum, row.t.median / plain.median);

    r->dispatch(r, OpPower, 0, 0, nullptr, 0.0f);
    r->dispatch(r, OpClose, 0, 0, nullptr, 0.0f);
    dlclose(module);
    return true;
}

} // namespace

int main()
{
    const Plugin plugins[] = {
        {"Corvelan", "4 inputs on 8 outputs", CORVELAN_MODULE, setUpPanner, plainFourToTen},
        {"Corvelan", "4 inputs on 3 outputs", CORVELAN_MODULE, setUpPannerShared, plainFourToTen},
        {"ZOVaGain", "2 channels", ZOVAGAIN_MODULE, setUpGain, plainCopyTwo},
        {"ZOVaMono", "2 channels", ZOVAMONO_MODULE, setUpMono, plainCopyTwo},
    };
    std::printf("block %d frames; ns per frame, minimum and median of %d runs of %d calls; ratio to the plain loop "
                "(goal: within x1.50)\n",
                BlockFrames, Trials, CallsPerTrial);
    std::printf("%-9s %-22s %-11s %6s  %6s   %-6s  %-6s\n", "plug-in", "set-up", "entry", "min", "median", "min",
                "median");
    bool ok = true;
    for (const Plugin& plugin : plugins)
        ok = benchPlugin(plugin) && ok;
    return ok ? 0 : 1;
}
