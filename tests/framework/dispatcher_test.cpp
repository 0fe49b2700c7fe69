// What the dispatcher answers, opcode by opcode, at the level under test,
// for an effect that overrides nothing of the host dialogue.
#include "tests/support/fake_host.h"
#include "tests/framework/test_effect.h"

#include <doctest.h>

namespace {

struct Answer {
    std::int32_t opcode;
    PlugInt value;
    PlugInt expected;
};

// Answers of the extended opcodes at each level; anything not listed answers 0.
PlugInt expectedAnswer(std::int32_t opcode, PlugInt value)
{
    if (opcode == OpIdentify)
        return 0x4E764566;
    if (FrameworkLevel == 1 || opcode < OpEvents)
        return 0;
    const std::int32_t last = FrameworkLevel == 3 ? OpBeginProgramLoad : OpInterfaceVersion;
    if (opcode > last)
        return 0;
    switch (opcode) {
    case OpCanAutomate:
    case OpCategoryCount:
    case OpInputWired:
    case OpOutputWired:
    case OpSetBlockAndRate:
    case OpKeysNeeded:
        return 1;
    case OpInterfaceVersion:
        return FrameworkLevel == 3 ? 2300 : 2;
    case OpCurrentMidiProgram:
        return -1;
    case OpTotalSamples:
        return value;
    default:
        return 0;
    }
}

} // namespace

TEST_CASE("every opcode from -8 to 128 gets its level's answer")
{
    FakeHost::reset();
    TestEffect effect(FakeHost::callback);
    char text[256];
    for (std::int32_t opcode = -8; opcode <= 128; ++opcode) {
        if (opcode == OpClose)
            continue; // destroys the effect: tested on its own
        // Texts and pointers the opcodes may write into stay inside this buffer.
        void* layouts[2] = {text, text};
        void* ptr = opcode == OpGetSpeakers ? static_cast<void*>(&layouts[1]) : static_cast<void*>(text);
        const PlugInt value = opcode == OpGetSpeakers ? reinterpret_cast<PlugInt>(&layouts[0])
                              : opcode == OpSetProgram ? 0
                                                       : 1000;
        CAPTURE(opcode);
        CHECK(dispatchTo(effect, opcode, 0, value, ptr, 0.0f) == expectedAnswer(opcode, value));
    }
}

TEST_CASE("basic opcodes act on the effect")
{
    TestEffect effect(nullptr, 4, 3);

    SUBCASE("program numbers outside 0 to count - 1 are ignored")
    {
        const PlugInt tries[] = {2, 4, -1, 3, 100};
        const std::int32_t current[] = {2, 2, 2, 3, 3};
        for (int i = 0; i < 5; ++i) {
            dispatchTo(effect, OpSetProgram, 0, tries[i]);
            CHECK(dispatchTo(effect, OpGetProgram) == current[i]);
        }
        CHECK(effect.selects == 2);
    }
    SUBCASE("the meter answer is the level times 32767, truncated")
    {
        const float levels[] = {0.0f, 0.5f, 1.0f, -0.5f, 1e30f};
        const PlugInt answers[] = {0, 16383, 32767, -16383, 0};
        for (int i = 0; i < 5; ++i) {
            effect.meter = levels[i];
            CHECK(dispatchTo(effect, OpGetMeter) == answers[i]);
        }
    }
    SUBCASE("power: zero suspends, anything else resumes")
    {
        dispatchTo(effect, OpPower, 0, 2);
        dispatchTo(effect, OpPower, 0, 0);
        dispatchTo(effect, OpPower, 0, -1);
        CHECK(effect.resumes == 2);
        CHECK(effect.suspends == 1);
    }
    SUBCASE("sample rate and block size are stored")
    {
        dispatchTo(effect, OpSetSampleRate, 0, 0, nullptr, 96000.0f);
        dispatchTo(effect, OpSetBlockSize, 0, 256);
        CHECK(effect.sampleRate() == 96000.0f);
        CHECK(effect.blockSize() == 256);
    }
    SUBCASE("base texts are empty and chunks are not offered")
    {
        for (std::int32_t opcode : {OpGetProgramName, OpGetParamUnit, OpGetParamText, OpGetParamTitle}) {
            char text[16] = "unchanged";
            CHECK(dispatchTo(effect, opcode, 0, 0, text) == 0);
            CHECK(text[0] == '\0');
        }
        char name[16] = "New name";
        dispatchTo(effect, OpSetProgramName, 0, 0, name);
        CHECK(name[0] == '\0');
        void* chunk = &effect;
        CHECK(dispatchTo(effect, OpGetChunk, 0, 0, &chunk) == 0);
        CHECK(dispatchTo(effect, OpGetChunk, 1, 0, &chunk) == 0);
        CHECK(dispatchTo(effect, OpSetChunk, 0, 16, name) == 0);
    }
    SUBCASE("null text pointers are not written through")
    {
        for (std::int32_t opcode = 0; opcode <= 76; ++opcode)
            if (opcode != OpClose && opcode != OpSetChunk && opcode != OpSetSpeakers)
                dispatchTo(effect, opcode, 0, 0, nullptr);
    }
}

#if FRAMEWORK_LEVEL >= 2
TEST_CASE("extended opcodes act on the effect")
{
    TestEffect effect(nullptr);

    SUBCASE("block size and rate together are stored without changeSampleRate")
    {
        CHECK(dispatchTo(effect, OpSetBlockAndRate, 0, 512, nullptr, 48000.0f) == 1);
        CHECK(effect.blockSize() == 512);
        CHECK(effect.sampleRate() == 48000.0f);
        CHECK(effect.sampleRateChanges == 0);
    }
    SUBCASE("the category follows the instrument flag")
    {
        CHECK(dispatchTo(effect, OpCategory) == 0);
        effect.declareInstrument(true);
        CHECK(dispatchTo(effect, OpCategory) == 2);
    }
    SUBCASE("capability names answer 0")
    {
        char name[] = "bypass";
        CHECK(dispatchTo(effect, OpSupports, 0, 0, name) == 0);
    }
}
#endif

#if FRAMEWORK_LEVEL >= 3
TEST_CASE("opcode 69 writes null into both layout pointers")
{
    TestEffect effect(nullptr);
    int dummy = 0;
    void* input = &dummy;
    void* output = &dummy;
    CHECK(dispatchTo(effect, OpGetSpeakers, 0, reinterpret_cast<PlugInt>(&input), &output) == 0);
    CHECK(input == nullptr);
    CHECK(output == nullptr);
}
#endif
