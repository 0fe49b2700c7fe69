// Nanoseconds per stereo frame of the per-sample reference and of the
// engine with each kernel this CPU has, at each quality, in blocks of 512
// frames. Each figure is the best of many short runs over noise: a run that
// another process interrupted is simply not the best one. The last line is
// the one to compare between builds.
#include "effects/reverb/engine/reverb_engine.h"
#include "reference_reverb.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int blockFrames = 512;
constexpr int runFrames = 32 * blockFrames;
constexpr int runs = 60;

std::vector<float> noise(std::uint32_t seed)
{
    std::vector<float> samples(runFrames);
    for (float& x : samples) {
        seed = seed * 1664525u + 1013904223u;
        x = 0.3f * (static_cast<float>(seed >> 8) / 8388608.0f - 1.0f);
    }
    return samples;
}

// The "Inicial" program at the given quality.
template <typename Engine>
void setUp(Engine& e, int quality)
{
    e.setRoomSize(110.0f / 203.0f);
    e.setDamping(0.23f);
    e.preDelayLength = 793;
    e.highPassAmount = 25.0f / 600.0f;
    e.lowPassAmount = 0.0f;
    e.setWet(1.0f);
    e.setDry(0.0f);
    e.panorama = 20;
    e.combCount = static_cast<std::uint8_t>(quality);
    e.clearTank();
}

struct Buffers {
    std::vector<float> left = noise(1u);
    std::vector<float> right = noise(2u);
    std::vector<float> outLeft = std::vector<float>(runFrames);
    std::vector<float> outRight = std::vector<float>(runFrames);
};

// Nanoseconds per frame of one run of runFrames frames in blocks.
template <typename Engine>
double timeOneRun(Engine& engine, Buffers& b)
{
    const auto start = std::chrono::steady_clock::now();
    for (int at = 0; at < runFrames; at += blockFrames) {
        const int n = runFrames - at < blockFrames ? runFrames - at : blockFrames;
        float* inputs[2] = {&b.left[at], &b.right[at]};
        float* outputs[2] = {&b.outLeft[at], &b.outRight[at]};
        engine.processOverwriting(inputs, outputs, n);
    }
    const std::chrono::duration<double, std::nano> took = std::chrono::steady_clock::now() - start;
    return took.count() / runFrames;
}

}  // namespace

int main()
{
    Buffers buffers;

    std::vector<SimdKernel> kernels;
    for (const SimdKernel kernel : {SimdKernel::Sse2, SimdKernel::Avx2, SimdKernel::Avx512})
        if (simdKernelSupported(kernel))
            kernels.push_back(kernel);
    const SimdKernel shipped = widestSimdKernel();

    std::printf("reverb engine, blocks of %d frames, ns per stereo frame (best of %d runs of %d frames)\n",
                blockFrames, runs, runFrames);
    std::printf("the shipped engine picks the %s kernels on this CPU\n", simdKernelName(shipped));
    std::printf("quality  reference");
    for (const SimdKernel kernel : kernels)
        std::printf("  %7s", simdKernelName(kernel));
    std::printf("  ratio\n");
    double reference10 = 0.0;
    double shipped10 = 0.0;
    for (const int quality : {4, 6, 8, 10}) {
        auto reference = std::make_unique<ReferenceReverb>();
        setUp(*reference, quality);
        std::vector<std::unique_ptr<ReverbEngine>> engines;
        for (const SimdKernel kernel : kernels) {
            engines.push_back(std::make_unique<ReverbEngine>());
            setUp(*engines.back(), quality);
            engines.back()->selectKernel(kernel);
        }
        // All take turns run by run, so a slow spell of the machine falls on
        // each of them alike and the ratios stay fair.
        double slow = 1e30;
        std::vector<double> fast(kernels.size(), 1e30);
        for (int run = 0; run < runs; ++run) {
            slow = std::min(slow, timeOneRun(*reference, buffers));
            for (std::size_t k = 0; k < engines.size(); ++k)
                fast[k] = std::min(fast[k], timeOneRun(*engines[k], buffers));
        }
        double shippedTime = 0.0;
        std::printf("q%-7d %9.2f", quality, slow);
        for (std::size_t k = 0; k < kernels.size(); ++k) {
            std::printf("  %7.2f", fast[k]);
            if (kernels[k] == shipped)
                shippedTime = fast[k];
        }
        std::printf("  %4.2fx\n", slow / shippedTime);
        if (quality == 10) {
            reference10 = slow;
            shipped10 = shippedTime;
        }
    }
    std::printf("speedup q10 %.2fx shipped %.2f ns/frame reference %.2f ns/frame\n", reference10 / shipped10,
                shipped10, reference10);
    return 0;
}
