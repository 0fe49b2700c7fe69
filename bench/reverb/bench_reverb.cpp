// Nanoseconds per stereo frame of the per-sample reference and of the
// shipped engine, at each quality, in blocks of 512 frames. Each figure is
// the best of many short runs over noise: a run that another process
// interrupted is simply not the best one. The last line is the one to
// compare between builds.
#include "effects/reverb/engine/reverb_engine.h"
#include "reference_reverb.h"

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

template <typename Engine>
double nanosecondsPerFrame(Engine& engine, std::vector<float>& left, std::vector<float>& right,
                           std::vector<float>& outLeft, std::vector<float>& outRight)
{
    double best = 1e30;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        for (int at = 0; at < runFrames; at += blockFrames) {
            const int n = runFrames - at < blockFrames ? runFrames - at : blockFrames;
            float* inputs[2] = {&left[at], &right[at]};
            float* outputs[2] = {&outLeft[at], &outRight[at]};
            engine.processOverwriting(inputs, outputs, n);
        }
        const std::chrono::duration<double, std::nano> took = std::chrono::steady_clock::now() - start;
        if (took.count() < best)
            best = took.count();
    }
    return best / runFrames;
}

}  // namespace

int main()
{
    std::vector<float> left = noise(1u);
    std::vector<float> right = noise(2u);
    std::vector<float> outLeft(runFrames);
    std::vector<float> outRight(runFrames);

    const bool wide = simdKernelSupported(SimdKernel::Avx2);
    std::printf("reverb engine, blocks of %d frames, ns per stereo frame (best of %d runs of %d frames)\n",
                blockFrames, runs, runFrames);
    std::printf("shipped engine picks the %s comb kernel on this CPU\n", wide ? "AVX2" : "SSE2");
    std::printf("quality  reference  shipped-sse2  shipped  ratio\n");
    double reference10 = 0.0;
    double shipped10 = 0.0;
    for (const int quality : {4, 6, 8, 10}) {
        auto reference = std::make_unique<ReferenceReverb>();
        auto engine = std::make_unique<ReverbEngine>();
        setUp(*reference, quality);
        setUp(*engine, quality);
        const double slow = nanosecondsPerFrame(*reference, left, right, outLeft, outRight);
        engine->selectKernel(SimdKernel::Sse2);
        const double narrow = nanosecondsPerFrame(*engine, left, right, outLeft, outRight);
        engine->selectKernel(SimdKernel::Avx2);  // stays SSE2 without AVX2
        const double fast = nanosecondsPerFrame(*engine, left, right, outLeft, outRight);
        std::printf("q%-7d %9.2f  %12.2f  %7.2f  %5.2fx\n", quality, slow, narrow, fast, slow / fast);
        if (quality == 10) {
            reference10 = slow;
            shipped10 = fast;
        }
    }
    std::printf("speedup q10 %.2fx shipped %.2f ns/frame reference %.2f ns/frame\n", reference10 / shipped10,
                shipped10, reference10);
    return 0;
}
