// A plug-in that shows a host its own answers: each parameter's title names a
// host query and its value text is what the host answered just now. It also
// reports every parameter change back with HostAutomate, has program names
// in Windows-1252, and processes so that the host's channel mapping and
// block splitting show in the output:
//   output 0 = input 0, output 1 = input 1, output 2 = block length / 1000.
// It declares no overwriting entry; the one it has writes NaN, so a host
// that calls it anyway is caught.
#include "tests/integration/fake_plugins/fake_entry.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Query {
    const char* title;
    std::int32_t opcode;
    const char* name; // for HostSupports
};

const Query Queries[] = {
    {"host version", HostVersion, nullptr},
    {"host vendor", HostVendorText, nullptr},
    {"host product", HostProductText, nullptr},
    {"host vendor version", HostVendorVersion, nullptr},
    {"sample rate", HostSampleRate, nullptr},
    {"block size", HostBlockSize, nullptr},
    {"language", HostLanguage, nullptr},
    {"current id", HostCurrentId, nullptr},
    {"idle", HostIdle, nullptr},
    {"supports startStopProcess", HostSupports, "startStopProcess"},
    {"supports sizeWindow", HostSupports, "sizeWindow"},
    {"directory", HostDirectory, nullptr},
};
constexpr std::int32_t QueryCount = sizeof Queries / sizeof Queries[0];

const char* const ProgramNames[] = {"Tama\xF1o", "Se\xF1" "al \x80"};

struct Probe {
    EffectRecord record = {};
    HostCallback host = nullptr;
    std::int32_t program = 0;
    float values[QueryCount] = {};
};

Probe& probeOf(EffectRecord* record)
{
    return *static_cast<Probe*>(record->object);
}

// The last part of a directory, whichever separator the platform uses.
std::string lastPart(const char* path)
{
    std::string text = path != nullptr ? path : "";
    const std::size_t cut = text.find_last_of("/\\");
    return cut == std::string::npos ? text : text.substr(cut + 1);
}

void answerText(Probe& probe, std::int32_t index, char* text)
{
    const Query& query = Queries[index];
    if (query.opcode == HostVendorText || query.opcode == HostProductText) {
        char answer[256] = {};
        probe.host(&probe.record, query.opcode, 0, 0, answer, 0.0f);
        std::strcpy(text, answer);
        return;
    }
    const PlugInt answer = probe.host(&probe.record, query.opcode, 0, 0, const_cast<char*>(query.name), 0.0f);
    if (query.opcode == HostDirectory)
        std::strcpy(text, lastPart(reinterpret_cast<const char*>(answer)).c_str());
    else
        std::sprintf(text, "%lld", static_cast<long long>(answer));
}

PlugInt dispatch(EffectRecord* record, std::int32_t opcode, std::int32_t index, PlugInt value, void* ptr, float)
{
    Probe& probe = probeOf(record);
    char* text = static_cast<char*>(ptr);
    const bool validIndex = index >= 0 && index < QueryCount;
    switch (opcode) {
    case OpClose:
        delete &probe;
        return 1;
    case OpSetProgram:
        if (value >= 0 && value < 2)
            probe.program = static_cast<std::int32_t>(value);
        return 0;
    case OpGetProgram:
        return probe.program;
    case OpGetProgramName:
        std::strcpy(text, ProgramNames[probe.program]);
        return 0;
    case OpGetParamTitle:
        std::strcpy(text, validIndex ? Queries[index].title : "");
        return 0;
    case OpGetParamText:
        if (validIndex)
            answerText(probe, index, text);
        return 0;
    case OpEffectName:
        std::strcpy(text, "Host probe");
        return 1;
    default:
        return 0;
    }
}

void processAdding(EffectRecord*, float** inputs, float** outputs, std::int32_t frames)
{
    for (std::int32_t i = 0; i < frames; ++i) {
        outputs[0][i] += inputs[0][i];
        outputs[1][i] += inputs[1][i];
        outputs[2][i] += static_cast<float>(frames) / 1000.0f;
    }
}

void processOverwriting(EffectRecord*, float**, float** outputs, std::int32_t frames)
{
    for (std::int32_t c = 0; c < 3; ++c) {
        for (std::int32_t i = 0; i < frames; ++i)
            outputs[c][i] = std::nanf("");
    }
}

void setParam(EffectRecord* record, std::int32_t index, float value)
{
    Probe& probe = probeOf(record);
    if (index >= 0 && index < QueryCount)
        probe.values[index] = value;
    probe.host(record, HostAutomate, index, 0, nullptr, value);
}

float getParam(EffectRecord* record, std::int32_t index)
{
    Probe& probe = probeOf(record);
    return index >= 0 && index < QueryCount ? probe.values[index] : 0.0f;
}

} // namespace

EffectRecord* fakeMain(HostCallback host)
{
    if (host == nullptr || host(nullptr, HostVersion, 0, 0, nullptr, 0.0f) == 0)
        return nullptr;
    Probe* probe = new Probe;
    probe->host = host;
    EffectRecord& record = probe->record;
    record.magic = EffectMagic;
    record.dispatch = dispatch;
    record.processAdding = processAdding;
    record.processOverwriting = processOverwriting;
    record.setParam = setParam;
    record.getParam = getParam;
    record.programCount = 2;
    record.paramCount = QueryCount;
    record.inputCount = 2;
    record.outputCount = 3;
    record.ioRatio = 1.0f;
    record.object = probe;
    record.effectId = fourCharCode("Prob");
    record.version = 7;
    return &record;
}
