#include "framework/plug_effect.h"

#include "framework/host_text.h"
#include "framework/number_text.h"
#include "framework/plug_editor.h"

#include <cmath>
#include <cstring>

namespace {

#if FRAMEWORK_LEVEL == 2
constexpr const char* MinusInfinityText = "  -oo   ";
constexpr const char* HugeText = " Huge!  ";
#else
constexpr const char* MinusInfinityText = "-oo";
constexpr const char* HugeText = "Huge!";
#endif

// The record's entry points: plain functions that find the effect and forward.
PlugInt dispatchEntry(EffectRecord* record, std::int32_t opcode, std::int32_t index, PlugInt value, void* ptr,
                      float opt)
{
    PlugEffect* effect = PlugEffect::fromRecord(record);
    if (opcode == OpClose) {
        effect->dispatch(opcode, index, value, ptr, opt);
        effect->destroy();
        return 1;
    }
    return effect->dispatch(opcode, index, value, ptr, opt);
}

void processAddingEntry(EffectRecord* record, float** inputs, float** outputs, std::int32_t frames)
{
    PlugEffect::fromRecord(record)->processAdding(inputs, outputs, frames);
}

void processOverwritingEntry(EffectRecord* record, float** inputs, float** outputs, std::int32_t frames)
{
    PlugEffect::fromRecord(record)->processOverwriting(inputs, outputs, frames);
}

void setParamEntry(EffectRecord* record, std::int32_t index, float value)
{
    PlugEffect::fromRecord(record)->setParam(index, value);
}

float getParamEntry(EffectRecord* record, std::int32_t index)
{
    return PlugEffect::fromRecord(record)->getParam(index);
}

// The meter level scaled to the int32 the host expects; a level that has no
// int32 form (not a number, or far out of range) reads as silence.
std::int32_t meterAnswer(float level)
{
    const double scaled = level * 32767.0;
    if (!(scaled > -2147483648.0 && scaled < 2147483648.0))
        return 0;
    return static_cast<std::int32_t>(scaled);
}

} // namespace

PlugEffect::PlugEffect(HostCallback hostCallback, std::int32_t programCount, std::int32_t paramCount)
    : host(hostCallback), programTotal(programCount), paramTotal(paramCount)
{
    std::memset(&effectRecord, 0, sizeof effectRecord);
    effectRecord.magic = EffectMagic;
    effectRecord.dispatch = dispatchEntry;
    effectRecord.processAdding = processAddingEntry;
    effectRecord.setParam = setParamEntry;
    effectRecord.getParam = getParamEntry;
    effectRecord.programCount = programCount;
    effectRecord.paramCount = paramCount;
    effectRecord.inputCount = 1;
    effectRecord.outputCount = 2;
    effectRecord.ioRatio = 1.0f;
    effectRecord.object = this;
    effectRecord.effectId = DefaultEffectId;
    effectRecord.version = 1;
    effectRecord.processOverwriting = processOverwritingEntry;
}

PlugEffect::~PlugEffect()
{
    if (editorAttached != nullptr)
        editorAttached->destroy();
}

void PlugEffect::destroy()
{
    delete this;
}

void PlugEffect::setParam(std::int32_t, float) {}

float PlugEffect::getParam(std::int32_t)
{
    return 0.0f;
}

void PlugEffect::setParamAndNotify(std::int32_t index, float value)
{
    setParam(index, value);
    // The level-1 effect works in native units; the host records thousandths.
    const float hostValue = FRAMEWORK_LEVEL == 1 ? value / 1000.0f : value;
    if (host != nullptr)
        callHost(HostAutomate, index, 0, nullptr, hostValue);
}

void PlugEffect::processOverwriting(float**, float**, std::int32_t) {}

PlugInt PlugEffect::dispatch(std::int32_t opcode, std::int32_t index, PlugInt value, void* ptr, float opt)
{
    char* text = static_cast<char*>(ptr);
    switch (opcode) {
    case OpOpen:
        onOpen();
        return 0;
    case OpClose:
        onClose();
        return 0;
    case OpSetProgram:
        if (value >= 0 && value < programTotal)
            selectProgram(static_cast<std::int32_t>(value));
        return 0;
    case OpGetProgram:
        return currentProgram();
    case OpSetProgramName:
        if (text != nullptr)
            renameProgram(text);
        return 0;
    case OpGetProgramName:
        if (text != nullptr)
            copyProgramName(text);
        return 0;
    case OpGetParamUnit:
        if (text != nullptr)
            copyParamUnit(index, text);
        return 0;
    case OpGetParamText:
        if (text != nullptr)
            copyParamValueText(index, text);
        return 0;
    case OpGetParamTitle:
        if (text != nullptr)
            copyParamTitle(index, text);
        return 0;
    case OpGetMeter:
        return meterAnswer(meterLevel());
    case OpSetSampleRate:
        changeSampleRate(opt);
        return 0;
    case OpSetBlockSize:
        changeBlockSize(static_cast<std::int32_t>(value));
        return 0;
    case OpPower:
        if (value == 0)
            onSuspend();
        else
            onResume();
        return 0;
    case OpEditorRect:
        if (editorAttached != nullptr && ptr != nullptr)
            return editorAttached->queryRect(static_cast<EditorRect**>(ptr));
        return 0;
    case OpEditorOpen:
        return editorAttached != nullptr ? editorAttached->openWindow(ptr) : 0;
    case OpEditorClose:
        if (editorAttached != nullptr)
            editorAttached->closeWindow();
        return 0;
    case OpEditorIdle:
        if (editorAttached != nullptr)
            editorAttached->idleTick();
        return 0;
    case OpIdentify:
        return IdentifyAnswer;
    case OpGetChunk:
        return ptr != nullptr ? saveChunk(static_cast<void**>(ptr), index != 0) : 0;
    case OpSetChunk:
        return loadChunk(ptr, static_cast<std::int32_t>(value), index != 0);
    default:
        return 0;
    }
}

void PlugEffect::onOpen() {}
void PlugEffect::onClose() {}

std::int32_t PlugEffect::currentProgram()
{
    return programNumber;
}

void PlugEffect::selectProgram(std::int32_t number)
{
    programNumber = number;
}

void PlugEffect::renameProgram(char* text)
{
    if (text != nullptr)
        text[0] = '\0';
}

void PlugEffect::copyProgramName(char* text)
{
    copyHostText(text, "", 0);
}

void PlugEffect::copyParamUnit(std::int32_t, char* text)
{
    copyHostText(text, "", 0);
}

void PlugEffect::copyParamValueText(std::int32_t, char* text)
{
    copyHostText(text, "", 0);
}

void PlugEffect::copyParamTitle(std::int32_t, char* text)
{
    copyHostText(text, "", 0);
}

float PlugEffect::meterLevel()
{
    return 0.0f;
}

std::int32_t PlugEffect::saveChunk(void**, bool)
{
    return 0;
}

std::int32_t PlugEffect::loadChunk(void*, std::int32_t, bool)
{
    return 0;
}

void PlugEffect::changeSampleRate(float rate)
{
    storedSampleRate = rate;
}

void PlugEffect::changeBlockSize(std::int32_t frames)
{
    storedBlockSize = frames;
}

void PlugEffect::onSuspend() {}
void PlugEffect::onResume() {}

void PlugEffect::setEffectId(std::int32_t id)
{
    effectRecord.effectId = id;
}

void PlugEffect::setInputCount(std::int32_t n)
{
    effectRecord.inputCount = n;
}

void PlugEffect::setOutputCount(std::int32_t n)
{
    effectRecord.outputCount = n;
}

void PlugEffect::setFlag(std::int32_t flag, bool on)
{
    if (on)
        effectRecord.flags |= flag;
    else
        effectRecord.flags &= ~flag;
}

void PlugEffect::declareMeter(bool on)
{
    setFlag(MeterFlag, on);
}

void PlugEffect::declareClip(bool on)
{
    setFlag(ClipFlag, on);
}

void PlugEffect::declareMono(bool on)
{
    setFlag(MonoFlag, on);
}

void PlugEffect::declareOverwriting(bool on)
{
    setFlag(OverwriteFlag, on);
}

void PlugEffect::declareChunks(bool on)
{
    setFlag(ChunkFlag, on);
}

void PlugEffect::setRealtimeQuality(std::int32_t count)
{
    effectRecord.realtimeQualities = count;
}

void PlugEffect::setOfflineQuality(std::int32_t count)
{
    effectRecord.offlineQualities = count;
}

void PlugEffect::setLatency(std::int32_t frames)
{
    effectRecord.latency = frames;
}

float PlugEffect::sampleRate()
{
    return storedSampleRate;
}

std::int32_t PlugEffect::blockSize()
{
    return storedBlockSize;
}

PlugInt PlugEffect::callHost(std::int32_t opcode, std::int32_t index, PlugInt value, void* ptr, float opt)
{
    return host(&effectRecord, opcode, index, value, ptr, opt);
}

std::int32_t PlugEffect::askHostVersion()
{
    if (host == nullptr)
        return 1;
    const PlugInt answer = callHost(HostVersion);
    return answer != 0 ? static_cast<std::int32_t>(answer) : 1;
}

PlugInt PlugEffect::askHostCurrentId()
{
    return host != nullptr ? callHost(HostCurrentId) : 0;
}

PlugInt PlugEffect::askHostIdle()
{
    return host != nullptr ? callHost(HostIdle) : 0;
}

bool PlugEffect::isInputWired(std::int32_t pin)
{
    return host == nullptr || callHost(HostPinConnected, pin, 0) == 0;
}

bool PlugEffect::isOutputWired(std::int32_t pin)
{
    return host == nullptr || callHost(HostPinConnected, pin, 1) == 0;
}

#if FRAMEWORK_LEVEL == 1
// The level-1 effect shows no value texts to the host: the formatters exist
// but write nothing.
void PlugEffect::decibelText(float, char*) {}
void PlugEffect::hertzText(float, char*) {}
void PlugEffect::millisText(float, char*) {}
void PlugEffect::numberText(float, char*) {}
void PlugEffect::integerText(std::int32_t, char*) {}
#else
void PlugEffect::decibelText(float gain, char* text)
{
    if (gain > 0.0f)
        numberText(static_cast<float>(20.0 * std::log10(static_cast<double>(gain))), text);
    else
        copyHostText(text, MinusInfinityText, ParamTextMax);
}

void PlugEffect::hertzText(float samples, char* text)
{
    if (samples == 0.0f)
        numberText(0.0f, text);
    else
        numberText(static_cast<float>(static_cast<double>(storedSampleRate) / samples), text);
}

void PlugEffect::millisText(float samples, char* text)
{
    numberText(static_cast<float>(samples * 1000.0 / storedSampleRate), text);
}

void PlugEffect::numberText(float value, char* text)
{
    formatNumber(value, text, HugeText);
}

void PlugEffect::integerText(std::int32_t value, char* text)
{
    formatInteger(value, text, HugeText);
}
#endif

void PlugEffect::attachEditor(PlugEditor* editor)
{
    editorAttached = editor;
    setFlag(EditorFlag, editor != nullptr);
}
