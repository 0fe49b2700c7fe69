#include "tools/plughost/host_callback.h"

#include <doctest.h>

#include <cstring>
#include <string>

namespace {

PlugInt ask(EffectRecord* effect, std::int32_t opcode, void* ptr = nullptr)
{
    return hostCallback(effect, opcode, 0, 0, ptr, 0.0f);
}

} // namespace

TEST_CASE("host_callback: answers each query from the effect's context")
{
    HostContext context;
    context.sampleRate = 48000.0f;
    context.blockSize = 256;
    EffectRecord record = {};
    attachHostContext(&record, &context);

    const struct {
        std::int32_t opcode;
        PlugInt answer;
    } cases[] = {
        {HostVersion, 2400},      {HostCurrentId, 0},       {HostIdle, 1},           {HostPinConnected, 0},
        {HostWantEvents, 0},      {HostTimeInfo, 0},        {HostSampleRate, 48000}, {HostBlockSize, 256},
        {HostInputLatency, 0},    {HostVendorVersion, 1},   {HostLanguage, 1},       {HostOpenWindow, 0},
        {HostInputLayout, 0},     {HostEditBegin, 0},       {99, 0},                 {-1, 0},
    };
    for (const auto& c : cases) {
        CAPTURE(c.opcode);
        CHECK(ask(&record, c.opcode) == c.answer);
    }
}

TEST_CASE("host_callback: copies its vendor and product texts")
{
    const struct {
        std::int32_t opcode;
        const char* text;
    } cases[] = {{HostVendorText, "ZOV"}, {HostProductText, "plughost"}};
    for (const auto& c : cases) {
        char buffer[64];
        std::memset(buffer, 'x', sizeof buffer);
        CHECK(ask(nullptr, c.opcode, buffer) == 1);
        CHECK(std::string(buffer) == c.text);
        CHECK(ask(nullptr, c.opcode, nullptr) == 0);
    }
}

TEST_CASE("host_callback: supports only what plughost does")
{
    const struct {
        const char* name;
        PlugInt answer;
    } cases[] = {
        {"startStopProcess", 1}, {"sizeWindow", 0}, {"supplyIdle", 0}, {"sendVstTimeInfo", 0},
        {"startStopProcessing", 0}, {"", 0},
    };
    for (const auto& c : cases) {
        CAPTURE(c.name);
        CHECK(ask(nullptr, HostSupports, const_cast<char*>(c.name)) == c.answer);
    }
    CHECK(ask(nullptr, HostSupports, nullptr) == 0);
}

TEST_CASE("host_callback: the directory is the context's own text")
{
    HostContext context;
    context.pluginDirectory = "/usr/lib/vst";
    EffectRecord record = {};
    attachHostContext(&record, &context);
    const PlugInt answer = ask(&record, HostDirectory);
    CHECK(answer == reinterpret_cast<PlugInt>(context.pluginDirectory.c_str()));
    CHECK(ask(nullptr, HostDirectory) == 0);
}

TEST_CASE("host_callback: records every automation call in order")
{
    HostContext context;
    EffectRecord record = {};
    attachHostContext(&record, &context);
    CHECK(hostCallback(&record, HostAutomate, 3, 0, nullptr, 0.5f) == 0);
    CHECK(hostCallback(&record, HostAutomate, 0, 7, nullptr, -2.0f) == 0);
    CHECK(hostCallback(&record, HostAutomate, 3, 0, nullptr, 0.25f) == 0);
    REQUIRE(context.automation.size() == 3);
    CHECK(context.automation[0].index == 3);
    CHECK(context.automation[0].value == 0.5f);
    CHECK(context.automation[1].index == 0);
    CHECK(context.automation[1].value == -2.0f);
    CHECK(context.automation[2].index == 3);
    CHECK(context.automation[2].value == 0.25f);
    // A call without an effect has no context to record into.
    CHECK(hostCallback(nullptr, HostAutomate, 1, 0, nullptr, 1.0f) == 0);
    CHECK(context.automation.size() == 3);
}

TEST_CASE("host_callback: each effect has its own context; main's calls reach the new one")
{
    HostContext first;
    first.sampleRate = 22050.0f;
    HostContext second;
    second.sampleRate = 96000.0f;
    EffectRecord firstRecord = {};
    EffectRecord secondRecord = {};
    attachHostContext(&firstRecord, &first);
    attachHostContext(&secondRecord, &second);
    CHECK(ask(&firstRecord, HostSampleRate) == 22050);
    CHECK(ask(&secondRecord, HostSampleRate) == 96000);

    EffectRecord unattached = {};
    {
        HostContext made;
        made.blockSize = 64;
        NewEffectContext scope(made);
        CHECK(ask(nullptr, HostBlockSize) == 64);
        CHECK(ask(&unattached, HostBlockSize) == 64);
        hostCallback(&unattached, HostAutomate, 2, 0, nullptr, 0.75f);
        CHECK(made.automation.size() == 1);
        CHECK(ask(&firstRecord, HostSampleRate) == 22050);
    }
    // Without any context the defaults answer.
    CHECK(ask(&unattached, HostSampleRate) == 44100);
    CHECK(ask(&unattached, HostBlockSize) == 512);
}
