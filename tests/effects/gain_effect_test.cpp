// The gain effect as a host sees it: identity, parameters, texts, audio.
#include "effects/gain/gain_effect.h"
#include "tests/support/effect_probe.h"

#include <doctest.h>

#include <vector>

TEST_CASE("gain: identity and record")
{
    GainEffect effect(nullptr);
    EffectRecord* r = effect.record();
    CHECK(r->effectId == fourCharCode("QZ02"));
    CHECK(r->effectId == 0x515A3032);
    CHECK(r->flags == 24);
    CHECK(r->inputCount == 2);
    CHECK(r->outputCount == 2);
    CHECK(r->programCount == 1);
    CHECK(r->paramCount == 2);
    CHECK(r->version == 1);
    CHECK(ask(r, OpCategory) == 1);
    CHECK(ask(r, OpVendorVersion) == 1000);
    CHECK(ask(r, OpInterfaceVersion) == 2300);
    CHECK(ask(r, OpGetMeter) == 0);
    CHECK(askText(r, OpVendorText) == "ZOV Audio Effects");
    CHECK(askText(r, OpProductText) == "ZOV Audio Product Gain");
    CHECK(askText(r, OpEffectName) == "ZOV Gain");
    char text[64];
    CHECK(ask(r, OpVendorText, 0, 0, text) == 1);
    CHECK(ask(r, OpProductText, 0, 0, text) == 1);
    CHECK(ask(r, OpEffectName, 0, 0, text) == 1);
    char name[] = "bypass";
    CHECK(ask(r, OpSupports, 0, 0, name) == 0);
    void* chunk = nullptr;
    CHECK(ask(r, OpGetChunk, 0, 0, &chunk) == 0);
}

TEST_CASE("gain: parameter titles, units and value texts")
{
    GainEffect effect(nullptr);
    EffectRecord* r = effect.record();
    struct Case {
        std::int32_t index;
        float value;
        const char* title;
        const char* text;
        float reads;
    };
    const Case cases[] = {
        {0, 1.0f, "Left Gain", "0.000000", 1.0f},  {1, 1.0f, "Right Gain", "0.000000", 1.0f},
        {0, 0.0f, "Left Gain", "-oo", 0.0f},       {1, 0.5f, "Right Gain", "-6.02059", 0.5f},
        {0, 0.1f, "Left Gain", "-20.0000", 0.1f},  {1, 2.0f, "Right Gain", "6.020599", 2.0f},
        {2, 0.7f, "???? Gain", "????", 0.0f},      {-1, 0.7f, "???? Gain", "????", 0.0f},
    };
    for (const Case& c : cases) {
        CAPTURE(c.index);
        CAPTURE(c.value);
        r->setParam(r, c.index, c.value);
        CHECK(r->getParam(r, c.index) == c.reads);
        CHECK(askText(r, OpGetParamTitle, c.index) == c.title);
        CHECK(askText(r, OpGetParamUnit, c.index) == " dB");
        CHECK(askText(r, OpGetParamText, c.index) == c.text);
    }
    // Index 2 changed neither gain.
    CHECK(r->getParam(r, 0) == 0.1f);
    CHECK(r->getParam(r, 1) == 2.0f);
}

TEST_CASE("gain: the one program keeps its name and not the gains")
{
    GainEffect effect(nullptr);
    EffectRecord* r = effect.record();
    CHECK(askText(r, OpGetProgramName) == "Default ");
    r->setParam(r, 0, 0.5f);
    char name[] = "Quiet";
    ask(r, OpSetProgramName, 0, 0, name);
    CHECK(askText(r, OpGetProgramName) == "Quiet");
    ask(r, OpSetProgram, 0, 0);
    CHECK(r->getParam(r, 0) == 0.5f);
    // Names too long for the 32-byte field are cut to 31 characters for
    // the field, and to a program name's length for the host.
    std::string longName(40, 'x');
    ask(r, OpSetProgramName, 0, 0, longName.data());
    CHECK(askText(r, OpGetProgramName) == std::string(24, 'x'));
}

TEST_CASE("gain: each channel gets its own factor, adding or overwriting")
{
    GainEffect effect(nullptr);
    EffectRecord* r = effect.record();
    std::vector<float> inL = {0.5f, -1.0f, 0.25f}, inR = {0.5f, 1.0f, -0.75f};
    std::vector<float> outL(3, 0.25f), outR(3, 0.25f);
    float* in[] = {inL.data(), inR.data()};
    float* out[] = {outL.data(), outR.data()};

    r->processAdding(r, in, out, 1);
    CHECK(outL[0] == 0.75f);
    CHECK(outR[0] == 0.75f);
    CHECK(outL[1] == 0.25f); // only one frame was asked for

    r->setParam(r, 0, 0.0f);
    r->setParam(r, 1, 0.5f);
    r->processOverwriting(r, in, out, 3);
    CHECK(outL == std::vector<float>{0.0f, -0.0f, 0.0f});
    CHECK(outR == std::vector<float>{0.25f, 0.5f, -0.375f});

    outL.assign(3, 9.0f);
    r->processOverwriting(r, in, out, 0);
    r->processOverwriting(r, in, out, -4);
    CHECK(outL == std::vector<float>(3, 9.0f));
}
