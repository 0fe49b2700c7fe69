// The reverb's 25 programs: names, the send/insert pairs, selection order,
// renaming, and saving and restoring through parameter values.
#include "effects/reverb/reverb_effect.h"
#include "effects/reverb/reverb_value_access.h"
#include "tests/support/effect_probe.h"

#include <doctest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

// Byte for byte, in Windows-1252.
const char* const ProgramNames[ReverbProgramCount] = {
    "Inicial", "Snare !", "Sala Peque\xF1" "a", "Sala Mediana 1", "Sala Mediana 2", "Catedral", "Club 1",
    "Club 2", "Hall 1", "Hall 2", "Bajo Consumo 1", "Bajo Consumo 2", "Inicial  (Insert)", "Snare !  (Insert)",
    "Sala Peque\xF1" "a  (Insert)", "Sala Mediana 1  (Insert)", "Sala Mediana 2  (Insert)", "Catedral  (Insert)",
    "Club 1  (Insert)", "Club 2  (Insert)", "Hall 1  (Insert)", "Hall 2  (Insert)", "Bajo Consumo 1  (Insert)",
    "Bajo Consumo 2  (Insert)", "Exterior  (Insert)",
};

std::string nameOf(EffectRecord* r, int program)
{
    ask(r, OpSetProgram, 0, program);
    return askText(r, OpGetProgramName);
}

} // namespace

TEST_CASE("programs: names are byte-exact; four are exactly 24 characters")
{
    ReverbEffect reverb(nullptr);
    int longest = 0;
    for (int i = 0; i < ReverbProgramCount; ++i) {
        CAPTURE(i);
        CHECK(nameOf(reverb.record(), i) == ProgramNames[i]);
        if (std::strlen(ProgramNames[i]) == 24)
            ++longest;
    }
    CHECK(longest == 4);
    CHECK(static_cast<unsigned char>(ProgramNames[2][10]) == 0xF1);
}

TEST_CASE("programs: each insert program is its send twin with the dry level at +4 dB")
{
    ReverbEffect reverb(nullptr);
    for (int send = 0; send < 12; ++send) {
        CAPTURE(send);
        const ReverbValues& s = reverb.program(send).values;
        ReverbValues insert = reverb.program(send + 12).values;
        CHECK(s.dryLevel == 0);
        CHECK(insert.dryLevel == 140);
        insert.dryLevel = 0;
        if (send == 9) { // "Hall 2  (Insert)" swaps damping and pre-delay
            CHECK(insert.damping == s.preDelay);
            CHECK(insert.preDelay == s.damping);
            insert.damping = s.damping;
            insert.preDelay = s.preDelay;
        }
        CHECK(std::memcmp(&insert, &s, sizeof s) == 0);
    }
}

TEST_CASE("programs: values common to all and a few rows")
{
    ReverbEffect reverb(nullptr);
    for (int i = 0; i < ReverbProgramCount; ++i) {
        const ReverbValues& v = reverb.program(i).values;
        CHECK(v.tailHold == 0);
        CHECK(v.reserved15 == 0);
        CHECK(v.gateAttack == 1);
        CHECK(v.gateHold == 200);
        CHECK(v.gateOn == ((i == 1 || i == 13) ? 1 : 0));
    }
    const ReverbValues& inicial = reverb.program(0).values;
    CHECK(inicial.roomSize == 110);
    CHECK(inicial.damping == 23);
    CHECK(inicial.preDelay == 18);
    CHECK(inicial.highPass == 25);
    CHECK(inicial.gateThreshold == 60);
    CHECK(inicial.wetLevel == 120);
    CHECK(inicial.quality == 10);
    CHECK(inicial.panorama == 20);
    const ReverbValues& snare = reverb.program(1).values;
    CHECK(snare.gateThreshold == 20);
    CHECK(snare.gateRelease == 290);
    CHECK(reverb.program(10).values.quality == 4);
    CHECK(reverb.program(11).values.quality == 6);
    const ReverbValues& exterior = reverb.program(24).values;
    CHECK(exterior.damping == 100);
    CHECK(exterior.lowPass == 99);
    CHECK(exterior.wetLevel == 140);
    CHECK(exterior.dryLevel == 0);
    CHECK(exterior.panorama == 12);
}

TEST_CASE("programs: selecting one sets every parameter and the engine")
{
    ReverbEffect reverb(nullptr);
    EffectRecord* r = reverb.record();
    CHECK(reverb.currentProgram() == 0);
    CHECK(reverb.getParam(RoomSize) == 110.0f);
    ask(r, OpSetProgram, 0, 5);
    CHECK(reverb.getParam(RoomSize) == 178.0f);
    CHECK(reverb.getParam(Reserved15) == 0.0f);
    CHECK(reverb.engine.preDelayLength == 4409);
    ask(r, OpSetProgram, 0, 1);
    CHECK(reverb.engine.gateEnabled);
    CHECK(reverb.getParam(GateThreshold) == 20.0f);
    CHECK(reverb.engine.gateReleaseStep == static_cast<float>(1.0 / (290.0 * double(44.1f))));
    ask(r, OpSetProgram, 0, 25);
    CHECK(reverb.currentProgram() == 1);
    ask(r, OpSetProgram, 0, 10);
    CHECK(reverb.engine.combCount == 4);
}

TEST_CASE("programs: editing a parameter edits the current program, which a later select brings back")
{
    ReverbEffect reverb(nullptr);
    EffectRecord* r = reverb.record();
    ask(r, OpSetProgram, 0, 3);
    reverb.setParam(RoomSize, 150.0f);
    ask(r, OpSetProgram, 0, 0);
    CHECK(reverb.getParam(RoomSize) == 110.0f);
    ask(r, OpSetProgram, 0, 3);
    CHECK(reverb.getParam(RoomSize) == 150.0f);
}

TEST_CASE("programs: renaming stores up to 24 characters and touches no values")
{
    ReverbEffect reverb(nullptr);
    EffectRecord* r = reverb.record();
    const ReverbValues before = reverb.program(16).values;
    ask(r, OpSetProgram, 0, 15);
    char name[] = "Twenty-four characters!!";
    REQUIRE(std::strlen(name) == 24);
    ask(r, OpSetProgramName, 0, 0, name);
    CHECK(askText(r, OpGetProgramName) == name);
    CHECK(std::memcmp(&before, &reverb.program(16).values, sizeof before) == 0);
    CHECK(nameOf(r, 16) == ProgramNames[16]);

    std::string tooLong(40, 'z');
    ask(r, OpSetProgram, 0, 15);
    ask(r, OpSetProgramName, 0, 0, tooLong.data());
    CHECK(askText(r, OpGetProgramName) == std::string(24, 'z'));
    CHECK(nameOf(r, 16) == ProgramNames[16]);
}

TEST_CASE("programs: every preset survives a save and restore through parameter values")
{
    for (int program = 0; program < ReverbProgramCount; ++program) {
        CAPTURE(program);
        ReverbEffect saved(nullptr);
        ask(saved.record(), OpSetProgram, 0, program);
        float values[ReverbParamCount];
        for (int index = 0; index < ReverbParamCount; ++index)
            values[index] = saved.getParam(index);

        ReverbEffect restored(nullptr);
        for (int index = 0; index < ReverbParamCount; ++index)
            restored.setParam(index, values[index]);
        CHECK(std::memcmp(&saved.currentValues, &restored.currentValues, sizeof(ReverbValues)) == 0);
    }
}
