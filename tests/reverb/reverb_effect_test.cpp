// The reverb effect as a host and its panel see it: native units in and
// out, the thousandths a host records, clamping, programs as the live store.
#include "effects/reverb/reverb_effect.h"
#include "effects/reverb/reverb_value_access.h"
#include "tests/support/effect_probe.h"
#include "tests/support/fake_host.h"

#include <doctest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

std::unique_ptr<ReverbEffect> makeReverb(HostCallback host = nullptr)
{
    return std::make_unique<ReverbEffect>(host);
}

std::uint32_t bitsOf(float f)
{
    std::uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

} // namespace

TEST_CASE("reverb: identity, counts and flags; the host gets no parameter texts")
{
    auto reverb = makeReverb();
    EffectRecord* r = reverb->record();
    CHECK(r->effectId == fourCharCode("MzRv"));
    CHECK(r->programCount == 25);
    CHECK(r->paramCount == 16);
    CHECK(r->inputCount == 2);
    CHECK(r->outputCount == 2);
    CHECK(r->flags == (MeterFlag | MonoFlag | OverwriteFlag));
    CHECK(ask(r, OpGetMeter) == 0);
    for (std::int32_t opcode : {OpGetParamTitle, OpGetParamUnit, OpGetParamText})
        CHECK(askText(r, opcode, 2) == "<untouched>");
    // Level 1: nothing from opcode 25 up.
    CHECK(ask(r, OpCanAutomate) == 0);
    CHECK(ask(r, OpInterfaceVersion) == 0);
    CHECK(ask(r, OpIdentify) == 0x4E764566);
}

TEST_CASE("reverb: a value sent reaches the stored native value and the engine")
{
    struct Case {
        std::int32_t index;
        float sent;
        float stored;
    };
    const Case cases[] = {
        {RoomSize, 0.11f, 110.0f},   // thousandths return to native units
        {RoomSize, 110.0f, 110.0f},  // native values pass as they are
        {Damping, 1.0f, 1.0f},       // 1.0 is native, not a thousandth
        {GateOn, 0.5f, 1.0f},        // 500 is on
        {GateOn, 0.0f, 0.0f},
        {TailHold, 7.0f, 1.0f},
        {Quality, 0.008f, 8.0f},     // 8.0 exactly
        {Quality, 7.0f, 10.0f},      // not a quality: ignored
        {Quality, 6.0f, 6.0f},
        {PreDelay, 100.0f, 100.0f},
        {GateHold, 200.0f, 200.0f},
        {WetLevel, 120.7f, 120.0f},  // the integer part
        {Panorama, 0.04f, 40.0f},
    };
    for (const Case& c : cases) {
        CAPTURE(c.index);
        CAPTURE(c.sent);
        auto reverb = makeReverb();
        reverb->setParam(c.index, c.sent);
        CHECK(reverb->getParam(c.index) == c.stored);
        CHECK(valueOf(reverb->currentValues, c.index) == static_cast<std::uint32_t>(c.stored));
        CHECK(valueOf(reverb->program(0).values, c.index) == static_cast<std::uint32_t>(c.stored));
    }
}

TEST_CASE("reverb: native values set the engine as the laws say")
{
    auto reverb = makeReverb();
    ReverbEngine& engine = reverb->engine;

    reverb->setParam(PreDelay, 100.0f);
    CHECK(engine.preDelayLength == 4409);
    reverb->setParam(PreDelay, 10.0f);
    CHECK(engine.preDelayLength == 440);
    reverb->setParam(GateHold, 200.0f);
    CHECK(engine.gateHoldLength == 8819);
    reverb->setParam(GateAttack, 1.0f);
    CHECK(engine.gateAttackStep == static_cast<float>(1.0 / (1.0 * double(44.1f))));
    reverb->setParam(GateRelease, 290.0f);
    CHECK(engine.gateReleaseStep == static_cast<float>(1.0 / (290.0 * double(44.1f))));

    reverb->setParam(WetLevel, 120.0f);
    CHECK(engine.wetGain == 3.0f);
    reverb->setParam(DryLevel, 120.0f);
    CHECK(engine.dryGain == 2.0f);
    reverb->setParam(WetLevel, 0.0f);
    CHECK(engine.wetGain == 0.0f);
    reverb->setParam(DryLevel, 240.0f);
    CHECK(engine.dryGain == doctest::Approx(2.0 * std::pow(10.0, 24.0 / 20.0)).epsilon(1e-6));

    reverb->setParam(RoomSize, 200.0f);
    CHECK(engine.effectiveFeedback == doctest::Approx(0.9785).epsilon(1e-4));
    reverb->setParam(RoomSize, 3.0f);
    CHECK(engine.effectiveFeedback == doctest::Approx(0.6781).epsilon(1e-4));
    reverb->setParam(Damping, 100.0f);
    CHECK(engine.effectiveDamping == 0.55f);

    reverb->setParam(HighPass, 100.0f);
    CHECK(engine.highPassAmount == 100.0f / 600.0f);
    reverb->setParam(LowPass, 50.0f);
    CHECK(engine.lowPassAmount == 50.0f / 600.0f);
    reverb->setParam(Panorama, 12.0f);
    CHECK(engine.panorama == 12);

    // About -60.3 dB of full scale for the average of the two inputs.
    reverb->setParam(GateThreshold, 60.0f);
    const double thresholdDb = 20.0 * std::log10(engine.gateThreshold / 0.015);
    CHECK(thresholdDb == doctest::Approx(-60.3).epsilon(0.001));

    reverb->setParam(GateOn, 1.0f);
    CHECK(engine.gateEnabled);
    reverb->setParam(TailHold, 1.0f);
    CHECK(engine.isTailHeld() == 1.0f);
    reverb->setParam(TailHold, 0.0f);
    CHECK(engine.isTailHeld() == 0.0f);
}

TEST_CASE("reverb: Quality takes only the exact bit patterns of 4, 6, 8 and 10")
{
    auto reverb = makeReverb();
    const float taken[] = {4.0f, 6.0f, 8.0f, 10.0f, 0.004f, 0.006f, 0.010f};
    for (float value : taken) {
        reverb->setParam(Quality, value);
        const float expected = value < 1.0f ? std::trunc(value * 1000.0f + 0.5f) : value;
        CHECK(reverb->engine.combCount == static_cast<int>(expected));
    }
    reverb->setParam(Quality, 8.0f);
    const float refused[] = {7.0f, 5.0f, std::nextafter(8.0f, 9.0f), 12.0f, -8.0f, 0.0f, 1.0f,
                             std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()};
    for (float value : refused) {
        CAPTURE(bitsOf(value));
        reverb->setParam(Quality, value);
        CHECK(reverb->engine.combCount == 8);
        CHECK(reverb->getParam(Quality) == 8.0f);
    }
}

TEST_CASE("reverb: values outside the native ranges are clamped to them")
{
    struct Case {
        std::int32_t index;
        float sent;
        float stored;
    };
    const float huge = 1e9f;
    const float infinity = std::numeric_limits<float>::infinity();
    const Case cases[] = {
        {RoomSize, 999.0f, 200.0f},  {RoomSize, 1.0f, 3.0f},      {RoomSize, -5.0f, 3.0f},
        {Damping, 0.5f, 100.0f},     {Damping, huge, 100.0f},     {PreDelay, 0.999f, 100.0f},
        {PreDelay, -infinity, 0.0f}, {HighPass, 250.0f, 100.0f},  {GateAttack, 0.0f, 1.0f},
        {GateAttack, 80.0f, 50.0f},  {GateThreshold, 0.0f, 1.0f}, {GateThreshold, 71.0f, 70.0f},
        {GateHold, 1.0f, 5.0f},      {GateHold, 600.0f, 500.0f},  {GateRelease, 0.0f, 5.0f},
        {GateRelease, infinity, 500.0f}, {WetLevel, 300.0f, 240.0f}, {DryLevel, -1.0f, 0.0f},
        {LowPass, 0.9f, 100.0f},     {Panorama, 41.0f, 40.0f},
    };
    for (const Case& c : cases) {
        CAPTURE(c.index);
        CAPTURE(c.sent);
        auto reverb = makeReverb();
        reverb->setParam(c.index, c.sent);
        CHECK(reverb->getParam(c.index) == c.stored);
    }
    // What the clamps protect: the pre-delay buffer, finite gate steps,
    // comb feedback below 1 and a stable damping filter.
    auto reverb = makeReverb();
    reverb->setParam(PreDelay, huge);
    CHECK(reverb->engine.preDelayLength <= 4410);
    reverb->setParam(GateAttack, 0.0f);
    reverb->setParam(GateRelease, 0.0f);
    CHECK(std::isfinite(reverb->engine.gateAttackStep.get()));
    CHECK(std::isfinite(reverb->engine.gateReleaseStep.get()));
    reverb->setParam(RoomSize, huge);
    CHECK(reverb->engine.effectiveFeedback < 1.0f);
    reverb->setParam(Damping, huge);
    CHECK(reverb->engine.effectiveDamping <= 0.55f);
}

TEST_CASE("reverb: a value that is not a number leaves a parameter as it was, switches go off")
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    auto reverb = makeReverb();
    for (std::int32_t index = RoomSize; index < Reserved15; ++index) {
        const float before = reverb->getParam(index);
        reverb->setParam(index, nan);
        CHECK(reverb->getParam(index) == before);
    }
    reverb->setParam(GateOn, 1.0f);
    reverb->setParam(GateOn, nan);
    CHECK(reverb->getParam(GateOn) == 0.0f);
}

TEST_CASE("reverb: unknown indices change nothing and read 0")
{
    auto reverb = makeReverb();
    const ReverbValues before = reverb->currentValues;
    for (std::int32_t index : {15, 16, -1, 1000}) {
        reverb->setParam(index, 5.0f);
        CHECK(reverb->getParam(index) == 0.0f);
    }
    CHECK(std::memcmp(&before, &reverb->currentValues, sizeof before) == 0);
}

TEST_CASE("reverb: the panel's changes reach the host as thousandths and come back whole")
{
    FakeHost::reset();
    auto reverb = makeReverb(FakeHost::callback);
    reverb->setParamAndNotify(RoomSize, 110.0f);
    REQUIRE(FakeHost::instance().calls.size() == 1);
    const float recorded = FakeHost::instance().calls[0].opt;
    CHECK(recorded == 0.11f);
    auto replayed = makeReverb();
    replayed->setParam(RoomSize, recorded);
    CHECK(replayed->getParam(RoomSize) == 110.0f);
}
