// A plug-in whose one output is the sample rate the host set (OpSetSampleRate)
// divided by a million, on every frame, so a render's peak shows the rate
// the effect was given; it never falls silent. Its parameters have padded,
// clashing and Windows-1252 titles for matching by name, and it reports each
// change back with HostAutomate.
#include "tests/integration/fake_plugins/fake_entry.h"

#include <cstring>

namespace {

const char* const Titles[] = {" Rate ", "Mix", " mix ", "Peque\xF1o"};
constexpr std::int32_t ParamCount = 4;

struct RateEcho {
    EffectRecord record = {};
    HostCallback host = nullptr;
    float sampleRate = 0.0f;
    float values[ParamCount] = {};
};

RateEcho& echoOf(EffectRecord* record)
{
    return *static_cast<RateEcho*>(record->object);
}

PlugInt dispatch(EffectRecord* record, std::int32_t opcode, std::int32_t index, PlugInt, void* ptr, float opt)
{
    RateEcho& echo = echoOf(record);
    switch (opcode) {
    case OpClose:
        delete &echo;
        return 1;
    case OpSetSampleRate:
        echo.sampleRate = opt;
        return 0;
    case OpGetParamTitle:
        std::strcpy(static_cast<char*>(ptr), index >= 0 && index < ParamCount ? Titles[index] : "");
        return 0;
    default:
        return 0;
    }
}

void processOverwriting(EffectRecord* record, float**, float** outputs, std::int32_t frames)
{
    for (std::int32_t i = 0; i < frames; ++i)
        outputs[0][i] = echoOf(record).sampleRate / 1e6f;
}

void processAdding(EffectRecord* record, float**, float** outputs, std::int32_t frames)
{
    for (std::int32_t i = 0; i < frames; ++i)
        outputs[0][i] += echoOf(record).sampleRate / 1e6f;
}

void setParam(EffectRecord* record, std::int32_t index, float value)
{
    RateEcho& echo = echoOf(record);
    if (index >= 0 && index < ParamCount)
        echo.values[index] = value;
    echo.host(record, HostAutomate, index, 0, nullptr, value);
}

float getParam(EffectRecord* record, std::int32_t index)
{
    return index >= 0 && index < ParamCount ? echoOf(record).values[index] : 0.0f;
}

} // namespace

EffectRecord* fakeMain(HostCallback host)
{
    if (host == nullptr || host(nullptr, HostVersion, 0, 0, nullptr, 0.0f) == 0)
        return nullptr;
    RateEcho* echo = new RateEcho;
    echo->host = host;
    EffectRecord& record = echo->record;
    record.magic = EffectMagic;
    record.dispatch = dispatch;
    record.processAdding = processAdding;
    record.processOverwriting = processOverwriting;
    record.setParam = setParam;
    record.getParam = getParam;
    record.programCount = 1;
    record.paramCount = ParamCount;
    record.inputCount = 1;
    record.outputCount = 1;
    record.ioRatio = 1.0f;
    record.object = echo;
    record.flags = OverwriteFlag;
    record.effectId = fourCharCode("Rate");
    record.version = 1;
    return &record;
}
