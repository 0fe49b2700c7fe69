// The shipped engine against the per-sample reference: ten seconds of mixed
// material, settings changing between blocks, every quality, block lengths
// around the chunk size, both entries, every kernel the CPU offers. Every
// output sample and every peak must match bit for bit.
#include "effects/reverb/engine/reverb_engine.h"
#include "reference_reverb.h"
#include "test_signals.h"

#include <doctest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<SimdKernel> availableKernels()
{
    std::vector<SimdKernel> kernels{SimdKernel::Sse2};
    for (const SimdKernel wider : {SimdKernel::Avx2, SimdKernel::Avx512})
        if (simdKernelSupported(wider))
            kernels.push_back(wider);
    return kernels;
}

int nextQuality(int quality) { return quality == 10 ? 4 : quality + 2; }

// Settings changes, applied to both engines at the first block boundary at
// or after their frame.
template <typename Engine>
void applyChange(Engine& e, int change, int startQuality)
{
    switch (change) {
    case 0: applyInitialProgram(e, startQuality); break;
    case 1: e.setRoomSize(200.0f / 203.0f); e.setDamping(0.6f); break;
    case 2: e.setTailHold(0.5f); break;
    case 3: e.setTailHold(0.0f); break;
    case 4: e.combCount = static_cast<std::uint8_t>(nextQuality(startQuality)); e.clearTank(); break;
    case 5:
        e.gateEnabled = true;
        e.gateThreshold = gateThresholdFor(20);
        e.gateHoldLength = samplesFor(10);
        e.gateReleaseStep = stepFor(50);
        break;
    case 6: e.clearPreDelay(); e.preDelayLength = samplesFor(100); break;
    case 7: e.setDamping(0.0f); e.setRoomSize(178.0f / 203.0f); break;
    case 8: e.highPassAmount = 100.0f / 600.0f; e.lowPassAmount = 99.0f / 600.0f; break;
    case 9: e.panorama = 0; break;
    case 10: e.panorama = 40; e.setDry(1.58f); break;
    case 11: e.muted = true; break;
    case 12: e.muted = false; e.combCount = 10; e.clearTank(); break;
    case 13: e.gateThreshold = gateThresholdFor(60); e.clearPreDelay(); e.preDelayLength = 0; break;
    case 14: e.setTailHold(0.5f); e.clearTank(); break;  // refused while held
    case 15: e.setTailHold(0.0f); e.setDamping(1.0f); e.setRoomSize(1.0f); break;
    case 16: e.preDelayLength = 1; e.combCount = 4; e.clearTank(); e.gateEnabled = false; break;
    case 17: e.setWet(0.0f); e.setDry(1.0f); e.gateAttackStep = stepFor(50); break;
    case 18:
        e.setWet(2.0f);
        e.combCount = 8;
        e.clearTank();
        e.panorama = 12;
        e.gateEnabled = true;
        e.gateHoldLength = 0;
        break;
    case 19: e.setDamping(0.3f); e.lowPassAmount = 0.0f; e.highPassAmount = 0.0f; e.preDelayLength = 4410; break;
    case 20: e.combCount = static_cast<std::uint8_t>(startQuality); e.clearTank(); e.setRoomSize(0.0f); break;
    case 21: e.peakLeft = 0.0f; e.peakRight = 0.0f; break;
    default: break;
    }
}

struct Change {
    std::size_t frame;
    int change;
};

const Change schedule[] = {
    {0, 0},       {20000, 1},   {40000, 2},   {60000, 3},   {70000, 4},   {90000, 5},   {110000, 6},
    {125000, 21}, {130000, 7},  {150000, 8},  {170000, 9},  {180000, 10}, {200000, 11}, {210000, 12},
    {230000, 13}, {250000, 14}, {270000, 15}, {290000, 16}, {310000, 17}, {330000, 18}, {350000, 19},
    {365000, 21}, {380000, 20}, {400000, 2},  {420000, 3},
};

struct Run {
    StereoBuffer out;
    std::vector<float> peaks;  // left and right after every block
};

template <typename Engine>
Run runScenario(Engine& engine, const StereoBuffer& in, int block, int quality, bool adding)
{
    Run run{StereoBuffer(in.frames()), {}};
    TestNoise prefill(777u);
    if (adding)
        for (std::size_t n = 0; n < in.frames(); ++n) {
            run.out.left[n] = 0.25f * prefill.next();
            run.out.right[n] = 0.25f * prefill.next();
        }
    std::size_t nextChange = 0;
    for (std::size_t at = 0; at < in.frames(); at += block) {
        while (nextChange < sizeof schedule / sizeof schedule[0] && schedule[nextChange].frame <= at)
            applyChange(engine, schedule[nextChange++].change, quality);
        const int n = static_cast<int>(std::min<std::size_t>(in.frames() - at, block));
        float* inputs[2] = {const_cast<float*>(&in.left[at]), const_cast<float*>(&in.right[at])};
        float* outputs[2] = {&run.out.left[at], &run.out.right[at]};
        if (adding)
            engine.processAdding(inputs, outputs, n);
        else
            engine.processOverwriting(inputs, outputs, n);
        run.peaks.push_back(engine.peakLeft);
        run.peaks.push_back(engine.peakRight);
    }
    return run;
}

}  // namespace

TEST_CASE("shipped engine equals the reference bit for bit on ten seconds of changing material")
{
    const StereoBuffer in = tenSecondsOfMaterial();
    const int blocks[] = {1, 7, 64, 225, 226, 512, 4096};
    for (const bool adding : {false, true})
        for (const int quality : {4, 6, 8, 10})
            for (const int block : blocks) {
                auto reference = std::make_unique<ReferenceReverb>();
                const Run expected = runScenario(*reference, in, block, quality, adding);
                for (const SimdKernel kernel : availableKernels()) {
                    CAPTURE(adding);
                    CAPTURE(quality);
                    CAPTURE(block);
                    const std::string kernelText = simdKernelName(kernel);
                    CAPTURE(kernelText);
                    auto engine = std::make_unique<ReverbEngine>();
                    REQUIRE(engine->selectKernel(kernel));
                    const Run got = runScenario(*engine, in, block, quality, adding);
                    CHECK(firstDifference(got.out.left, expected.out.left) == -1);
                    CHECK(firstDifference(got.out.right, expected.out.right) == -1);
                    CHECK(firstDifference(got.peaks, expected.peaks) == -1);
                }
            }
}

TEST_CASE("impulse response of the tank equals the reference in every quality mode")
{
    StereoBuffer impulse(44100);
    impulse.left[0] = 1.0f;
    impulse.right[0] = 1.0f;
    for (const int quality : {4, 6, 8, 10})
        for (const SimdKernel kernel : availableKernels()) {
            CAPTURE(quality);
            const std::string kernelText = simdKernelName(kernel);
            CAPTURE(kernelText);
            auto reference = std::make_unique<ReferenceReverb>();
            auto engine = std::make_unique<ReverbEngine>();
            REQUIRE(engine->selectKernel(kernel));
            applyInitialProgram(*reference, quality);
            applyInitialProgram(*engine, quality);
            const StereoBuffer expected = runBlocks(*reference, impulse, 512);
            const StereoBuffer got = runBlocks(*engine, impulse, 512);
            CHECK(firstDifference(got.left, expected.left) == -1);
            CHECK(firstDifference(got.right, expected.right) == -1);
            // The response is really there (the tank was not silent).
            float energy = 0.0f;
            for (float x : got.left)
                energy += x * x;
            CHECK(energy > 1e-4f);
        }
}

TEST_CASE("processing in place (outputs are the inputs) matches the reference")
{
    const StereoBuffer material = tenSecondsOfMaterial();
    StereoBuffer in(88200);
    std::copy(material.left.begin(), material.left.begin() + 88200, in.left.begin());
    std::copy(material.right.begin(), material.right.begin() + 88200, in.right.begin());
    for (const bool muted : {false, true}) {
        CAPTURE(muted);
        auto reference = std::make_unique<ReferenceReverb>();
        auto engine = std::make_unique<ReverbEngine>();
        applyInitialProgram(*reference);
        applyInitialProgram(*engine);
        reference->setDry(1.0f);
        engine->setDry(1.0f);
        reference->muted = muted;
        engine->muted = muted;
        StereoBuffer a = in;
        StereoBuffer b = in;
        for (std::size_t at = 0; at < in.frames(); at += 300) {
            float* ra[2] = {&a.left[at], &a.right[at]};
            float* rb[2] = {&b.left[at], &b.right[at]};
            reference->processOverwriting(ra, ra, 300);
            engine->processOverwriting(rb, rb, 300);
        }
        CHECK(firstDifference(a.left, b.left) == -1);
        CHECK(firstDifference(a.right, b.right) == -1);
    }
}

TEST_CASE("pair counts the effect never sets (odd, none, too many) still match the reference")
{
    const StereoBuffer material = tenSecondsOfMaterial();
    StereoBuffer in(30000);
    std::copy(material.left.begin(), material.left.begin() + 30000, in.left.begin());
    std::copy(material.right.begin(), material.right.begin() + 30000, in.right.begin());
    for (const int pairs : {0, 1, 3, 5, 7, 9, 12})
        for (const SimdKernel kernel : availableKernels()) {
            CAPTURE(pairs);
            const std::string kernelText = simdKernelName(kernel);
            CAPTURE(kernelText);
            auto reference = std::make_unique<ReferenceReverb>();
            auto engine = std::make_unique<ReverbEngine>();
            REQUIRE(engine->selectKernel(kernel));
            applyInitialProgram(*reference, pairs);
            applyInitialProgram(*engine, pairs);
            const StereoBuffer expected = runBlocks(*reference, in, 300);
            const StereoBuffer got = runBlocks(*engine, in, 300);
            CHECK(firstDifference(got.left, expected.left) == -1);
            CHECK(firstDifference(got.right, expected.right) == -1);
        }
}
