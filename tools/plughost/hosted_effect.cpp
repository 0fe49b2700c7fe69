#include "tools/plughost/hosted_effect.h"

#include "tools/plughost/host_error.h"

#include <cstdio>
#include <filesystem>

namespace {

constexpr std::size_t TextBufferSize = 256;
// Counts beyond this are a broken record, not a plug-in to list.
constexpr std::int32_t MaxCount = 100000;

std::string hex32(std::int32_t value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(value));
    return buffer;
}

bool plausible(std::int32_t count)
{
    return count >= 0 && count <= MaxCount;
}

} // namespace

HostedEffect::HostedEffect(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    if (!fs::exists(path, error))
        throw HostError("cannot load '" + path + "': no such file");
    if (fs::is_directory(path, error))
        throw HostError("cannot load '" + path + "': is a directory");
    // An absolute path keeps dlopen and LoadLibrary from searching elsewhere.
    const fs::path absolute = fs::absolute(path, error);
    try {
        library = std::make_unique<PluginLibrary>(absolute.string());
    } catch (const HostError& failure) {
        throw HostError("cannot load '" + path + "': " + failure.what());
    }
    const PluginMainFunction entry = library->entry();
    if (entry == nullptr)
        throw HostError("'" + path + "' is not a plug-in: it exports no " + PluginLibrary::entryNames());

    hostContext.pluginDirectory = absolute.parent_path().string();
    {
        NewEffectContext scope(hostContext);
        effect = entry(hostCallback);
    }
    if (effect == nullptr)
        throw HostError("'" + path + "' made no effect: its main answered null");
    if (effect->magic != EffectMagic) {
        const std::int32_t magic = effect->magic;
        effect = nullptr; // not a record we may call into
        throw HostError("'" + path + "' is not a plug-in: its effect record has the magic " + hex32(magic) +
                        ", not " + hex32(EffectMagic));
    }
    if (effect->dispatch == nullptr || effect->setParam == nullptr || effect->getParam == nullptr ||
        !plausible(effect->programCount) || !plausible(effect->paramCount) ||
        !plausible(effect->inputCount) || !plausible(effect->outputCount)) {
        effect = nullptr;
        throw HostError("'" + path + "' is not a plug-in: its effect record is malformed");
    }
    attachHostContext(effect, &hostContext);
}

HostedEffect::~HostedEffect()
{
    if (effect == nullptr)
        return;
    if (powered)
        setPower(false);
    dispatch(OpClose);
}

void HostedEffect::open(float sampleRate, std::int32_t blockSize)
{
    hostContext.sampleRate = sampleRate;
    hostContext.blockSize = blockSize;
    dispatch(OpOpen);
    dispatch(OpSetSampleRate, 0, 0, nullptr, sampleRate);
    dispatch(OpSetBlockSize, 0, blockSize);
}

void HostedEffect::setPower(bool on)
{
    if (on) {
        dispatch(OpPower, 0, 1);
        dispatch(OpStartProcessing);
    } else {
        dispatch(OpStopProcessing);
        dispatch(OpPower, 0, 0);
    }
    powered = on;
}

PlugInt HostedEffect::dispatch(std::int32_t opcode, std::int32_t index, PlugInt value, void* ptr, float opt)
{
    return effect->dispatch(effect, opcode, index, value, ptr, opt);
}

HostedEffect::Text HostedEffect::text(std::int32_t opcode, std::int32_t index)
{
    char buffer[TextBufferSize] = {};
    const PlugInt answer = dispatch(opcode, index, 0, buffer);
    buffer[TextBufferSize - 1] = '\0';
    return {answer, buffer};
}

void HostedEffect::setParam(std::int32_t index, float value)
{
    effect->setParam(effect, index, value);
}

float HostedEffect::getParam(std::int32_t index)
{
    return effect->getParam(effect, index);
}

void HostedEffect::process(float** inputs, float** outputs, std::int32_t frames, bool adding)
{
    const ProcessEntry entry = adding ? effect->processAdding : effect->processOverwriting;
    entry(effect, inputs, outputs, frames);
}
