// The tank's two building blocks, one sample at a time: the comb and the
// all-pass steps, and the flush of denormals and -0.0 where they read.
#include "effects/reverb/engine/allpass_filter.h"
#include "effects/reverb/engine/comb_filter.h"
#include "effects/reverb/engine/reverb_engine.h"
#include "reference_reverb.h"
#include "test_signals.h"

#include <doctest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

TEST_CASE("a comb reads denormals and -0.0 from its line as +0.0")
{
    const float denormal = std::numeric_limits<float>::denorm_min() * 7136.0f;  // about 1e-41
    const float cases[] = {1e-40f, -1e-40f, denormal, -0.0f};
    for (const float stored : cases) {
        CAPTURE(stored);
        std::vector<float> line(4, 0.0f);
        CombFilter comb;
        comb.attach(line.data(), 4);
        comb.setFeedback(0.5f);
        comb.setDamping(0.25f);
        line[0] = stored;
        const float out = comb.process(0.0f);
        CHECK(bitsOf(out) == 0u);
        CHECK(bitsOf(comb.filterStore) == 0u);
    }
}

TEST_CASE("comb step: the output is the delayed sample, the line takes input plus store times feedback")
{
    std::vector<float> line(3, 0.0f);
    CombFilter comb;
    comb.attach(line.data(), 3);
    comb.setFeedback(0.5f);
    comb.setDamping(0.25f);  // weights 0.25 (store) and 0.75 (line)
    // Impulse in; it comes out three samples later, then its filtered echo.
    const float expected[] = {0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.375f};
    for (int n = 0; n < 7; ++n) {
        CAPTURE(n);
        CHECK(comb.process(n == 0 ? 1.0f : 0.0f) == expected[n]);
    }
    // 0.375 * 0.75 + 0.046875 * 0.25: the echo, plus what is left of the first store.
    CHECK(comb.filterStore == 0.29296875f);
    CHECK(comb.index == 1);
}

TEST_CASE("one all-pass section answers an impulse with -1, then 1, 0.5, 0.25 every length")
{
    const int length = 5;
    std::vector<float> line(length, 0.0f);
    AllpassFilter section;
    section.attach(line.data(), length);
    std::vector<float> out;
    for (int n = 0; n < 4 * length + 1; ++n)
        out.push_back(section.process(n == 0 ? 1.0f : 0.0f));
    for (int n = 0; n < static_cast<int>(out.size()); ++n) {
        CAPTURE(n);
        float expected = 0.0f;
        if (n == 0)
            expected = -1.0f;
        else if (n % length == 0)
            expected = 1.0f / static_cast<float>(1 << (n / length - 1));
        CHECK(out[n] == expected);
    }
}

TEST_CASE("an all-pass reads denormals and -0.0 from its line as +0.0")
{
    for (const float stored : {1e-40f, -1e-40f, -0.0f}) {
        CAPTURE(stored);
        std::vector<float> line(2, 0.0f);
        AllpassFilter section;
        section.attach(line.data(), 2);
        line[0] = stored;
        CHECK(bitsOf(section.process(0.0f)) == 0u);  // b - s = +0 - +0
        CHECK(bitsOf(line[0]) == 0u);
    }
}

TEST_CASE("block processing flushes a filter store that decays into the denormals")
{
    // A store of 1e-38 times a damping weight of at most 0.55 is a denormal
    // at the next sample, so it must become +0.0 there, in every kernel.
    for (const SimdKernel kernel : {SimdKernel::Sse2, SimdKernel::Avx2, SimdKernel::Avx512}) {
        if (!simdKernelSupported(kernel))
            continue;
        for (const int quality : {4, 10}) {
            for (const int block : {1, 8, 64}) {
                CAPTURE(quality);
                CAPTURE(block);
                auto engine = std::make_unique<ReverbEngine>();
                auto reference = std::make_unique<ReferenceReverb>();
                REQUIRE(engine->selectKernel(kernel));
                applyInitialProgram(*engine, quality);
                applyInitialProgram(*reference, quality);
                for (int i = 0; i < quality; ++i) {
                    engine->leftCombs[i].filterStore = 1e-38f;
                    engine->rightCombs[i].filterStore = -1e-38f;
                    reference->leftCombs[i].filterStore = 1e-38f;
                    reference->rightCombs[i].filterStore = -1e-38f;
                }
                const StereoBuffer silence(block);
                const StereoBuffer got = runBlocks(*engine, silence, block);
                const StereoBuffer expected = runBlocks(*reference, silence, block);
                CHECK(firstDifference(got.left, expected.left) == -1);
                for (int i = 0; i < quality; ++i) {
                    CHECK(bitsOf(engine->leftCombs[i].filterStore) == 0u);
                    CHECK(bitsOf(engine->rightCombs[i].filterStore) == 0u);
                }
            }
        }
    }
}

TEST_CASE("lines of tiny normal samples still lead to flushed filter stores")
{
    // Damping 1 weighs the delayed sample by 0.45: from 1.5 * 2^-126 that is
    // a denormal store, which must become +0.0. The kernels skip the flushes
    // only when every delayed sample is at least 2^-98; the values around
    // that bound check both sides of it.
    const float smallestNormal = std::numeric_limits<float>::min();
    for (const float stored : {1.5f * smallestNormal, std::ldexp(1.0f, -110), std::ldexp(0.99f, -98),
                               std::ldexp(1.0f, -98), std::ldexp(1.0f, -90)}) {
        for (const SimdKernel kernel : {SimdKernel::Sse2, SimdKernel::Avx2, SimdKernel::Avx512}) {
            if (!simdKernelSupported(kernel))
                continue;
            CAPTURE(stored);
            CAPTURE(static_cast<int>(kernel));
            auto engine = std::make_unique<ReverbEngine>();
            auto reference = std::make_unique<ReferenceReverb>();
            REQUIRE(engine->selectKernel(kernel));
            applyInitialProgram(*engine, 10);
            applyInitialProgram(*reference, 10);
            engine->setDamping(1.0f);
            reference->setDamping(1.0f);
            for (int i = 0; i < 10; ++i) {
                for (int n = 0; n < engine->leftCombs[i].length; ++n) {
                    const float sign = n % 2 == 0 ? 1.0f : -1.0f;
                    engine->leftCombs[i].buffer[n] = reference->leftCombs[i].buffer[n] = sign * stored;
                    engine->rightCombs[i].buffer[n] = reference->rightCombs[i].buffer[n] = -sign * stored;
                }
            }
            const StereoBuffer silence(512);
            const StereoBuffer got = runBlocks(*engine, silence, 512);
            const StereoBuffer expected = runBlocks(*reference, silence, 512);
            CHECK(firstDifference(got.left, expected.left) == -1);
            CHECK(firstDifference(got.right, expected.right) == -1);
            for (int i = 0; i < 10; ++i) {
                CHECK(bitsOf(engine->leftCombs[i].filterStore) == bitsOf(reference->leftCombs[i].filterStore));
                CHECK(bitsOf(engine->rightCombs[i].filterStore) == bitsOf(reference->rightCombs[i].filterStore));
            }
        }
    }
}
