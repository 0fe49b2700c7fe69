// The plug-in as a host meets it: through main, the record and the
// dispatcher of framework level 2.
#include "effects/panner/panner_plugin.h"
#include "framework/module_state.h"
#include "framework/plugin_entry.h"
#include "tests/panner/panner_test_support.h"

#include <doctest.h>

#include <cstring>

namespace {

// Closes the effect the way a host does when the test ends.
struct OpenedPlugin {
    EffectRecord* record = pluginMain(acceptingHost);
    ~OpenedPlugin()
    {
        if (record != nullptr)
            record->dispatch(record, OpClose, 0, 0, nullptr, 0.0f);
    }
    PlugInt dispatch(std::int32_t opcode, std::int32_t index = 0, PlugInt value = 0, void* ptr = nullptr)
    {
        return record->dispatch(record, opcode, index, value, ptr, 0.0f);
    }
};

PlugInt refusingHost(EffectRecord*, std::int32_t, std::int32_t, PlugInt, void*, float)
{
    return 0;
}

} // namespace

TEST_CASE("main hands out a panner plug-in with its record filled in")
{
    OpenedPlugin plugin;
    REQUIRE(plugin.record != nullptr);
    const EffectRecord& r = *plugin.record;
    CHECK(r.magic == fourCharCode("VstP"));
    CHECK(r.programCount == 16);
    CHECK(r.paramCount == 8);
    CHECK(r.inputCount == 4);
    CHECK(r.outputCount == 10);
    CHECK(r.effectId == fourCharCode("PLNP"));
    CHECK(r.effectId == 0x504C4E50);
    CHECK(r.flags == (MeterFlag | OverwriteFlag));
    CHECK(r.flags == 20);
    CHECK(r.version == 1);
    CHECK(dynamic_cast<PannerPlugin*>(PlugEffect::fromRecord(plugin.record)) != nullptr);
    CHECK(constructionFailed == 0);
}

TEST_CASE("a host that answers 0 to the version question gets no plug-in")
{
    CHECK(pluginMain(refusingHost) == nullptr);
}

TEST_CASE("the record's entries reach the panner")
{
    OpenedPlugin plugin;
    REQUIRE(plugin.record != nullptr);
    EffectRecord* r = plugin.record;
    CHECK(r->getParam(r, 4) == 1.0f);
    r->setParam(r, 0, 0.5f);
    CHECK(r->getParam(r, 0) == 0.5f);

    float in[4][8] = {};
    float out[10][8] = {};
    float* inputs[4] = {in[0], in[1], in[2], in[3]};
    float* outputs[10];
    for (int n = 0; n < 10; ++n) {
        outputs[n] = out[n];
        for (float& sample : out[n])
            sample = 0.25f;
    }
    for (float& sample : in[0])
        sample = 0.5f;
    r->processAdding(r, inputs, outputs, 8);
    CHECK(out[4][7] == 0.75f);
    CHECK(out[5][7] == 0.25f);
    r->processOverwriting(r, inputs, outputs, 8);
    CHECK(out[4][7] == 0.5f);
    CHECK(out[5][7] == 0.0f);
}

TEST_CASE("the level-2 dispatcher's answers")
{
    OpenedPlugin plugin;
    REQUIRE(plugin.record != nullptr);

    char text[64];
    std::strcpy(text, "untouched");
    CHECK(plugin.dispatch(OpEffectName, 0, 0, text) == 0);
    CHECK(std::strcmp(text, "untouched") == 0);
    CHECK(plugin.dispatch(OpVendorText, 0, 0, text) == 1);
    CHECK(std::strcmp(text, "Ilvaro @ Tarnovik") == 0);
    CHECK(plugin.dispatch(OpProductText, 0, 0, text) == 1);
    CHECK(std::strcmp(text, "Vexilo4-10") == 0);

    struct Answer {
        std::int32_t opcode;
        PlugInt answer;
    };
    const Answer answers[] = {
        {OpIdentify, 0x4E764566}, {OpGetMeter, 0},      {OpGetChunk, 0},      {OpCanAutomate, 1},
        {OpVendorVersion, 0},     {OpKeysNeeded, 1},   {OpInterfaceVersion, 2},
    };
    for (const Answer& a : answers) {
        CAPTURE(a.opcode);
        CHECK(plugin.dispatch(a.opcode) == a.answer);
    }
    char capability[] = "bypass";
    CHECK(plugin.dispatch(OpSupports, 0, 0, capability) == 0);
    for (std::int32_t opcode = OpKeyDown; opcode <= 76; ++opcode) {
        CAPTURE(opcode);
        CHECK(plugin.dispatch(opcode, 1, 1) == 0);
    }

    // No panel yet: the editor opcodes answer 0 and leave the pointer alone.
    EditorRect dummy{};
    EditorRect* rect = &dummy;
    CHECK(plugin.dispatch(OpEditorRect, 0, 0, &rect) == 0);
    CHECK(rect == &dummy);
    CHECK(plugin.dispatch(OpEditorOpen) == 0);
}

TEST_CASE("two calls of main make two independent plug-ins")
{
    OpenedPlugin first;
    OpenedPlugin second;
    REQUIRE(first.record != nullptr);
    REQUIRE(second.record != nullptr);
    CHECK(first.record != second.record);
    first.record->setParam(first.record, 6, 0.25f);
    CHECK(first.record->getParam(first.record, 6) == 0.25f);
    CHECK(second.record->getParam(second.record, 6) == 1.0f);
}
