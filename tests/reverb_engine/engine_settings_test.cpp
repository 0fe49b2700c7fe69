// The setters and what they leave in the engine and its twenty combs:
// construction, the room-size and damping maps, tail hold, clearing, the
// quality setting.
#include "effects/reverb/engine/reverb_engine.h"
#include "test_signals.h"

#include <doctest.h>

#include <cmath>
#include <memory>

namespace {

void checkEveryComb(const ReverbEngine& e, float feedback, float weight1, float weight2)
{
    for (int i = 0; i < ReverbEngine::pairCount; ++i)
        for (const CombFilter* comb : {&e.leftCombs[i], &e.rightCombs[i]}) {
            CHECK(comb->feedback.get() == feedback);
            CHECK(comb->dampingWeight1.get() == weight1);
            CHECK(comb->dampingWeight2.get() == weight2);
        }
}

bool lineIsZero(const float* line, int length)
{
    for (int i = 0; i < length; ++i)
        if (bitsOf(line[i]) != 0u)
            return false;
    return true;
}

}  // namespace

TEST_CASE("construction leaves the documented starting values")
{
    auto e = std::make_unique<ReverbEngine>();
    CHECK(e->wetGain.get() == 1.0f);
    CHECK(e->dryGain.get() == 0.0f);
    CHECK(e->roomSize.get() == doctest::Approx(0.9099097).epsilon(1e-7));
    CHECK(e->damping.get() == 0.275f);
    CHECK(e->tailHoldMode.get() == 0.0f);
    CHECK(e->inputGain.get() == 0.015f);
    CHECK(e->highPassAmount.get() == 0.5f);
    CHECK(e->lowPassAmount.get() == 0.5f);
    CHECK(e->peakLeft.get() == 0.0f);
    CHECK(e->peakRight.get() == 0.0f);
    CHECK_FALSE(e->muted.get());
    CHECK_FALSE(e->gateEnabled.get());
    CHECK(e->gateState == 0);
    CHECK(e->gateLevel == 0.0f);
    checkEveryComb(*e, e->roomSize.get(), 0.275f, 1.0f - 0.275f);
    const std::int32_t left[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617, 1680, 1046};
    for (int i = 0; i < ReverbEngine::pairCount; ++i) {
        CHECK(e->leftCombs[i].length == left[i]);
        CHECK(e->rightCombs[i].length == left[i] + 23);
    }
    const std::int32_t allpass[] = {556, 441, 341, 225};
    for (int i = 0; i < ReverbEngine::allpassCount; ++i) {
        CHECK(e->leftAllpasses[i].length == allpass[i]);
        CHECK(e->rightAllpasses[i].length == allpass[i] + 23);
        CHECK(e->leftAllpasses[i].feedback == 0.5f);
    }
}

TEST_CASE("room size maps logarithmically onto the comb feedback")
{
    struct Case {
        float x;
        double feedback;
        double tolerance;  // 0: exact in float
    };
    const Case cases[] = {
        {200.0f / 203.0f, 0.9785, 5e-5},  // RoomSize 200
        {3.0f / 203.0f, 0.6781, 5e-5},    // RoomSize 3
        {1.0f, 0.97999817f, 0.0},
        {0.0f, 0.65f, 0.0},
        {2.0f, 0.97999817f, 0.0},   // clamped to the top
        {-1.0f, 0.65f, 0.0},        // clamped to the bottom
    };
    for (const Case& c : cases) {
        CAPTURE(c.x);
        auto e = std::make_unique<ReverbEngine>();
        e->setRoomSize(c.x);
        const float feedback = e->roomSize.get();
        if (c.tolerance == 0.0)
            CHECK(feedback == static_cast<float>(c.feedback));
        else
            CHECK(std::fabs(feedback - c.feedback) < c.tolerance);
        CHECK(e->effectiveFeedback.get() == feedback);
        checkEveryComb(*e, feedback, 0.275f, 1.0f - 0.275f);
    }
}

TEST_CASE("damping 1 gives weights 0.55 and 0.45 in all twenty combs")
{
    auto e = std::make_unique<ReverbEngine>();
    e->setDamping(1.0f);
    CHECK(e->damping.get() == 0.55f);
    CHECK(e->effectiveDamping.get() == 0.55f);
    checkEveryComb(*e, e->roomSize.get(), 0.55f, 0.45f);
    e->setDamping(0.0f);
    checkEveryComb(*e, e->roomSize.get(), 0.0f, 1.0f);
}

TEST_CASE("wet and dry gains are three and two times their settings")
{
    auto e = std::make_unique<ReverbEngine>();
    e->setWet(0.5f);
    e->setDry(0.25f);
    CHECK(e->wetGain.get() == 1.5f);
    CHECK(e->dryGain.get() == 0.5f);
}

TEST_CASE("holding the tail sets feedback 1, no damping, no input; releasing restores the settings")
{
    auto e = std::make_unique<ReverbEngine>();
    e->setRoomSize(0.5f);
    e->setDamping(0.4f);
    const float room = e->roomSize.get();
    const float damp = e->damping.get();
    for (const float mode : {0.5f, 1.0f}) {
        e->setTailHold(mode);
        CHECK(e->isTailHeld() == 1.0f);
        CHECK(e->effectiveFeedback.get() == 1.0f);
        CHECK(e->effectiveDamping.get() == 0.0f);
        CHECK(e->inputGain.get() == 0.0f);
        checkEveryComb(*e, 1.0f, 0.0f, 1.0f);
    }
    // Settings made while held are kept for the release.
    e->setRoomSize(1.0f);
    checkEveryComb(*e, 1.0f, 0.0f, 1.0f);
    e->setTailHold(0.0f);
    CHECK(e->isTailHeld() == 0.0f);
    CHECK(e->inputGain.get() == 0.015f);
    checkEveryComb(*e, 0.97999817f, damp, 1.0f - damp);
    CHECK(room != 0.97999817f);
}

TEST_CASE("clearing the tank is refused while the tail is held, and clears every line otherwise")
{
    auto e = std::make_unique<ReverbEngine>();
    e->combCount = 4;
    StereoBuffer noise(20000);
    TestNoise source(5u);
    for (std::size_t n = 0; n < noise.frames(); ++n)
        noise.left[n] = noise.right[n] = 0.5f * source.next();
    runBlocks(*e, noise, 512);
    // Pairs 5-10 have not run: put something in them too.
    for (int i = 4; i < ReverbEngine::pairCount; ++i)
        e->leftCombs[i].buffer[7] = e->rightCombs[i].buffer[9] = 0.25f;
    const float store = e->leftCombs[0].filterStore;
    const std::int32_t index = e->leftCombs[0].index;
    REQUIRE_FALSE(lineIsZero(e->leftCombs[0].buffer, e->leftCombs[0].length));

    e->setTailHold(0.5f);
    e->clearTank();
    CHECK_FALSE(lineIsZero(e->leftCombs[0].buffer, e->leftCombs[0].length));
    CHECK_FALSE(lineIsZero(e->leftAllpasses[0].buffer, e->leftAllpasses[0].length));
    CHECK(e->leftCombs[9].buffer[7] == 0.25f);

    e->setTailHold(0.0f);
    e->clearTank();
    for (int i = 0; i < ReverbEngine::pairCount; ++i) {
        CAPTURE(i);
        CHECK(lineIsZero(e->leftCombs[i].buffer, e->leftCombs[i].length));
        CHECK(lineIsZero(e->rightCombs[i].buffer, e->rightCombs[i].length));
    }
    for (int i = 0; i < ReverbEngine::allpassCount; ++i) {
        CHECK(lineIsZero(e->leftAllpasses[i].buffer, e->leftAllpasses[i].length));
        CHECK(lineIsZero(e->rightAllpasses[i].buffer, e->rightAllpasses[i].length));
    }
    CHECK(e->leftCombs[0].filterStore == store);
    CHECK(e->leftCombs[0].index == index);
}

TEST_CASE("the quality setting runs the first pairs only; the others stand still")
{
    for (const int quality : {4, 6, 8, 10}) {
        CAPTURE(quality);
        auto e = std::make_unique<ReverbEngine>();
        e->combCount = static_cast<std::uint8_t>(quality);
        StereoBuffer noise(3000);
        TestNoise source(9u);
        for (std::size_t n = 0; n < noise.frames(); ++n)
            noise.left[n] = noise.right[n] = source.next();
        runBlocks(*e, noise, 300);
        for (int i = 0; i < ReverbEngine::pairCount; ++i) {
            CAPTURE(i);
            const bool runs = i < quality;
            CHECK(e->leftCombs[i].index == (runs ? 3000 % e->leftCombs[i].length : 0));
            CHECK(e->rightCombs[i].index == (runs ? 3000 % e->rightCombs[i].length : 0));
            CHECK(lineIsZero(e->leftCombs[i].buffer, e->leftCombs[i].length) == !runs);
        }
    }
}

TEST_CASE("a kernel is selected only where the processor has it")
{
    auto e = std::make_unique<ReverbEngine>();
    CHECK(e->selectKernel(SimdKernel::Sse2));
    CHECK(e->kernel() == SimdKernel::Sse2);
    CHECK(e->selectKernel(SimdKernel::Avx2) == cpuHasAvx2());
    CHECK(e->kernel() == (cpuHasAvx2() ? SimdKernel::Avx2 : SimdKernel::Sse2));
    CHECK(e->selectKernel(SimdKernel::Avx512) == cpuHasAvx512());
    if (cpuHasAvx512())
        CHECK(e->kernel() == SimdKernel::Avx512);
    // A new engine starts on the widest kernel the processor has.
    CHECK(std::make_unique<ReverbEngine>()->kernel() == widestSimdKernel());
}
