#include "tools/plughost/plugin_facts.h"

#include "tools/plughost/capability_table.h"

namespace {

constexpr float InfoSampleRate = 44100.0f;
constexpr std::int32_t InfoBlockSize = 512;

struct FlagName {
    std::int32_t flag;
    const char* name;
};

const FlagName FlagNames[] = {
    {EditorFlag, "EditorFlag"},         {ClipFlag, "ClipFlag"},         {MeterFlag, "MeterFlag"},
    {MonoFlag, "MonoFlag"},             {OverwriteFlag, "OverwriteFlag"}, {ChunkFlag, "ChunkFlag"},
    {InstrumentFlag, "InstrumentFlag"}, {SilentStopFlag, "SilentStopFlag"}, {AsyncFlag, "AsyncFlag"},
    {ExternalBufferFlag, "ExternalBufferFlag"},
};

std::vector<CapabilityAnswer> askCapabilities(HostedEffect& effect, NameList names)
{
    std::vector<CapabilityAnswer> answers;
    for (std::size_t i = 0; i < names.count; ++i) {
        std::string text(names.names[i]);
        answers.push_back({text, effect.dispatch(OpSupports, 0, 0, text.data())});
    }
    return answers;
}

} // namespace

std::vector<std::string> flagNames(std::int32_t flags)
{
    std::vector<std::string> names;
    for (const FlagName& entry : FlagNames)
        if ((flags & entry.flag) != 0)
            names.push_back(entry.name);
    return names;
}

std::int32_t unnamedFlags(std::int32_t flags)
{
    for (const FlagName& entry : FlagNames)
        flags &= ~entry.flag;
    return flags;
}

std::string effectIdChars(std::int32_t id)
{
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const auto c = static_cast<unsigned char>(static_cast<std::uint32_t>(id) >> shift);
        text += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    }
    return text;
}

PluginFacts gatherFacts(const std::string& path)
{
    PluginFacts facts;
    facts.path = path;
    HostedEffect effect(path);
    effect.open(InfoSampleRate, InfoBlockSize);
    effect.setPower(true);

    const EffectRecord& record = effect.record();
    facts.effectId = record.effectId;
    facts.version = record.version;
    facts.effectName = effect.text(OpEffectName);
    facts.vendor = effect.text(OpVendorText);
    facts.product = effect.text(OpProductText);
    facts.vendorVersion = effect.dispatch(OpVendorVersion);
    facts.category = effect.dispatch(OpCategory);
    facts.interfaceVersion = effect.dispatch(OpInterfaceVersion);
    facts.programCount = record.programCount;
    facts.paramCount = record.paramCount;
    facts.inputCount = record.inputCount;
    facts.outputCount = record.outputCount;
    facts.latency = record.latency;
    facts.flags = record.flags;

    for (std::int32_t i = 0; i < record.paramCount; ++i) {
        ParamFacts param;
        param.title = effect.text(OpGetParamTitle, i).text;
        param.text = effect.text(OpGetParamText, i).text;
        param.unit = effect.text(OpGetParamUnit, i).text;
        param.value = effect.getParam(i);
        facts.params.push_back(param);
    }

    // Each program is selected in turn to read its name; the one that was
    // current is selected again afterwards.
    facts.currentProgram = effect.dispatch(OpGetProgram);
    for (std::int32_t i = 0; i < record.programCount; ++i) {
        effect.dispatch(OpSetProgram, 0, i);
        facts.programNames.push_back(effect.text(OpGetProgramName).text);
    }
    effect.dispatch(OpSetProgram, 0, facts.currentProgram);

    facts.effectCapabilities = askCapabilities(effect, effectCapabilityNames());
    facts.hostCapabilities = askCapabilities(effect, hostCapabilityNames());
    effect.setPower(false);
    facts.automation = effect.context().automation;
    return facts;
}
