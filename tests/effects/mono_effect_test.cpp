// The mono fold as a host sees it: identity, the one parameter, audio.
#include "effects/mono/mono_effect.h"
#include "tests/support/effect_probe.h"

#include <doctest.h>

#include <vector>

TEST_CASE("mono: identity and record")
{
    MonoEffect effect(nullptr);
    EffectRecord* r = effect.record();
    CHECK(r->effectId == 0x515A3031);
    CHECK(r->flags == 24);
    CHECK(r->inputCount == 2);
    CHECK(r->outputCount == 2);
    CHECK(r->programCount == 1);
    CHECK(r->paramCount == 1);
    CHECK(ask(r, OpCategory) == 1);
    CHECK(ask(r, OpVendorVersion) == 1000);
    CHECK(ask(r, OpInterfaceVersion) == 2300);
    CHECK(askText(r, OpEffectName) == "ZOV Mono");
    CHECK(askText(r, OpVendorText) == "ZOV Audio Effects");
    CHECK(askText(r, OpProductText) == "ZOV Audio Product Mono");
    CHECK(askText(r, OpGetProgramName) == "Default ");
}

TEST_CASE("mono: every index is the one gain")
{
    MonoEffect effect(nullptr);
    EffectRecord* r = effect.record();
    CHECK(askText(r, OpGetParamText, 0) == "0.000000");
    r->setParam(r, 5, 0.25f);
    CHECK(r->getParam(r, 0) == 0.25f);
    CHECK(askText(r, OpGetParamTitle, 3) == "Gain ");
    CHECK(askText(r, OpGetParamUnit, 9) == " dB");
    r->setParam(r, 0, 0.5f);
    CHECK(askText(r, OpGetParamText, 7) == "-6.02059");
    r->setParam(r, 0, 0.0f);
    CHECK(askText(r, OpGetParamText, 0) == "-oo");
}

TEST_CASE("mono: folds to the average of the scaled channels")
{
    struct Case {
        float left, right, gain, previous;
        bool adding;
        float expected;
    };
    const Case cases[] = {
        {1.0f, 0.0f, 1.0f, 9.0f, false, 0.5f},
        {0.5f, -0.5f, 1.0f, 9.0f, false, 0.0f},
        {1.0f, 1.0f, 0.5f, 9.0f, false, 0.5f},
        {0.5f, 0.5f, 1.0f, 0.25f, true, 0.75f},
    };
    for (const Case& c : cases) {
        MonoEffect effect(nullptr);
        EffectRecord* r = effect.record();
        r->setParam(r, 0, c.gain);
        float inL = c.left, inR = c.right, outL = c.previous, outR = c.previous;
        float* in[] = {&inL, &inR};
        float* out[] = {&outL, &outR};
        (c.adding ? r->processAdding : r->processOverwriting)(r, in, out, 1);
        CHECK(outL == c.expected);
        CHECK(outR == c.expected);
    }
}

TEST_CASE("mono: in-place processing reads both inputs first; zero frames touch nothing")
{
    MonoEffect effect(nullptr);
    EffectRecord* r = effect.record();
    std::vector<float> left = {1.0f, 0.0f}, right = {0.0f, 1.0f};
    float* io[] = {left.data(), right.data()};
    r->processOverwriting(r, io, io, 2);
    CHECK(left == std::vector<float>{0.5f, 0.5f});
    CHECK(right == std::vector<float>{0.5f, 0.5f});
    r->processAdding(r, io, io, 0);
    r->processOverwriting(r, io, io, -1);
    CHECK(left == std::vector<float>{0.5f, 0.5f});
}
