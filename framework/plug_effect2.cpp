#include "framework/plug_effect2.h"

#include "framework/plug_editor.h"

#include <cmath>

PlugEffect2::PlugEffect2(HostCallback hostCallback, std::int32_t programCount, std::int32_t paramCount)
    : PlugEffect(hostCallback, programCount, paramCount)
{
}

#if FRAMEWORK_LEVEL >= 3
constexpr std::int32_t LastExtendedOpcode = OpBeginProgramLoad;
constexpr PlugInt InterfaceVersionAnswer = 2300;
#else
constexpr std::int32_t LastExtendedOpcode = OpInterfaceVersion;
constexpr PlugInt InterfaceVersionAnswer = 2;
#endif

PlugInt PlugEffect2::dispatch(std::int32_t opcode, std::int32_t index, PlugInt value, void* ptr, float opt)
{
    if (opcode >= OpEvents && opcode <= LastExtendedOpcode) {
        bool handled = true;
        const PlugInt answer = dispatchExtended(opcode, index, value, ptr, opt, handled);
        if (handled)
            return answer;
    }
    return PlugEffect::dispatch(opcode, index, value, ptr, opt);
}

#if FRAMEWORK_LEVEL >= 3
namespace {

// The host's modifier bits arrive as a float; anything that is not a small
// whole number carries no modifiers.
std::uint8_t modifierBits(float opt)
{
    if (!(opt >= 0.0f && opt < 256.0f))
        return 0;
    return static_cast<std::uint8_t>(opt);
}

} // namespace
#endif

PlugInt PlugEffect2::dispatchExtended(std::int32_t opcode, std::int32_t index, PlugInt value, void* ptr, float opt,
                                      bool& handled)
{
    char* text = static_cast<char*>(ptr);
    switch (opcode) {
    case OpEvents:
        return receiveEvents(ptr);
    case OpCanAutomate:
        return isParamAutomatable(index) ? 1 : 0;
    case OpParamFromText:
        return paramFromText(index, text) ? 1 : 0;
    case OpCategoryCount:
        return programCategoryCount();
    case OpProgramNameAt:
        return programNameAt(static_cast<std::int32_t>(value), index, text) ? 1 : 0;
    case OpCopyProgram:
        return copyProgramTo(index) ? 1 : 0;
    case OpInputWired:
        onInputWired(index, value != 0);
        return 1;
    case OpOutputWired:
        onOutputWired(index, value != 0);
        return 1;
    case OpInputInfo:
        return inputPinInfo(index, ptr) ? 1 : 0;
    case OpOutputInfo:
        return outputPinInfo(index, ptr) ? 1 : 0;
    case OpCategory:
        return category();
    case OpCurrentPosition:
        return currentPosition();
    case OpDestinationBuffer:
        return reinterpret_cast<PlugInt>(destinationBuffer());
    case OpOfflineNotify:
        return onOfflineNotify(ptr, value, index != 0) ? 1 : 0;
    case OpOfflinePrepare:
        return prepareOffline(ptr, value) ? 1 : 0;
    case OpOfflineRun:
        return runOffline(ptr, value) ? 1 : 0;
    case OpVaryingIo:
        return processVarying(ptr) ? 1 : 0;
    case OpSetSpeakers:
        return setSpeakerLayouts(value, ptr) ? 1 : 0;
    case OpSetBlockAndRate:
        setBlockAndRate(static_cast<std::int32_t>(value), opt);
        return 1;
    case OpBypass:
        return switchBypass(value != 0) ? 1 : 0;
    case OpEffectName:
        return text != nullptr && copyEffectName(text) ? 1 : 0;
    case OpErrorText:
        return text != nullptr && copyErrorText(text) ? 1 : 0;
    case OpVendorText:
        return text != nullptr && copyVendorText(text) ? 1 : 0;
    case OpProductText:
        return text != nullptr && copyProductText(text) ? 1 : 0;
    case OpVendorVersion:
        return vendorVersion();
    case OpVendorCall:
        return vendorCall(index, value, ptr, opt);
    case OpSupports:
        return text != nullptr ? supports(text) : 0;
    case OpTailLength:
        return tailLength();
    case OpIdle:
        return onIdle();
    case OpIcon:
        return reinterpret_cast<PlugInt>(icon());
    case OpViewPosition:
        return moveView(index, static_cast<std::int32_t>(value)) ? 1 : 0;
    case OpParamInfo:
        return paramInfo(index, ptr) ? 1 : 0;
    case OpKeysNeeded:
        return needsKeys() ? 0 : 1;
    case OpInterfaceVersion:
        return interfaceVersion();
#if FRAMEWORK_LEVEL >= 3
    case OpKeyDown:
    case OpKeyUp: {
        PlugEditor* attached = attachedEditor();
        if (attached == nullptr)
            return 0;
        const KeyRecord key{index, static_cast<std::uint8_t>(value & 0xFF), modifierBits(opt)};
        return opcode == OpKeyDown ? attached->keyDown(key) : attached->keyUp(key);
    }
    case OpKnobStyle:
        return attachedEditor() != nullptr ? attachedEditor()->setKnobStyle(static_cast<std::int32_t>(value)) : 0;
    case OpMidiProgramName:
        return midiProgramName(index, ptr);
    case OpCurrentMidiProgram:
        return currentMidiProgram(index, ptr);
    case OpMidiProgramCategory:
        return midiProgramCategory(index, ptr);
    case OpMidiProgramsChanged:
        return midiProgramsChanged(index) ? 1 : 0;
    case OpMidiKeyName:
        return midiKeyName(index, ptr) ? 1 : 0;
    case OpBeginProgramChange:
        return beginProgramChange() ? 1 : 0;
    case OpEndProgramChange:
        return endProgramChange() ? 1 : 0;
    case OpGetSpeakers:
        return getSpeakerLayouts(reinterpret_cast<SpeakerLayout**>(value), static_cast<SpeakerLayout**>(ptr)) ? 1
                                                                                                                 : 0;
    case OpNextShellEffect:
        return nextShellEffect(text);
    case OpStartProcessing:
        return startProcessing();
    case OpStopProcessing:
        return stopProcessing();
    case OpTotalSamples:
        return setTotalSamples(value);
    case OpPanLaw:
        return choosePanLaw(value, opt) ? 1 : 0;
    case OpBeginBankLoad:
        return beginBankLoad(ptr);
    case OpBeginProgramLoad:
        return beginProgramLoad(ptr);
#endif
    default:
        handled = false;
        return 0;
    }
}

#if FRAMEWORK_LEVEL >= 3
PlugEditor* PlugEffect2::editor()
{
    return attachedEditor();
}
#endif

PlugInt PlugEffect2::receiveEvents(void*)
{
    return 0;
}

bool PlugEffect2::isParamAutomatable(std::int32_t)
{
    return true;
}

bool PlugEffect2::paramFromText(std::int32_t, char*)
{
    return false;
}

float PlugEffect2::channelParam(std::int32_t, std::int32_t)
{
    return 0.0f;
}

PlugInt PlugEffect2::programCategoryCount()
{
    return 1;
}

bool PlugEffect2::programNameAt(std::int32_t, std::int32_t, char*)
{
    return false;
}

bool PlugEffect2::copyProgramTo(std::int32_t)
{
    return false;
}

void PlugEffect2::onInputWired(std::int32_t, bool) {}
void PlugEffect2::onOutputWired(std::int32_t, bool) {}

bool PlugEffect2::inputPinInfo(std::int32_t, void*)
{
    return false;
}

bool PlugEffect2::outputPinInfo(std::int32_t, void*)
{
    return false;
}

PlugInt PlugEffect2::category()
{
    return (effectRecord.flags & InstrumentFlag) != 0 ? 2 : 0;
}

void PlugEffect2::declareAsync(bool on)
{
    setFlag(AsyncFlag, on);
}

void PlugEffect2::declareExternalBuffer(bool on)
{
    setFlag(ExternalBufferFlag, on);
}

void PlugEffect2::declareInstrument(bool on)
{
    setFlag(InstrumentFlag, on);
}

void PlugEffect2::declareSilentWhenStopped(bool on)
{
    setFlag(SilentStopFlag, on);
}

PlugInt PlugEffect2::currentPosition()
{
    return 0;
}

void* PlugEffect2::destinationBuffer()
{
    return nullptr;
}

bool PlugEffect2::onOfflineNotify(void*, PlugInt, bool)
{
    return false;
}

bool PlugEffect2::prepareOffline(void*, PlugInt)
{
    return false;
}

bool PlugEffect2::runOffline(void*, PlugInt)
{
    return false;
}

std::int32_t PlugEffect2::offlinePassCount()
{
    return 0;
}

std::int32_t PlugEffect2::offlineMetaPassCount()
{
    return 0;
}

bool PlugEffect2::processVarying(void*)
{
    return false;
}

bool PlugEffect2::setSpeakerLayouts(PlugInt, void*)
{
    return false;
}

#if FRAMEWORK_LEVEL >= 3
bool PlugEffect2::getSpeakerLayouts(SpeakerLayout** inputLayout, SpeakerLayout** outputLayout)
{
    if (inputLayout != nullptr)
        *inputLayout = nullptr;
    if (outputLayout != nullptr)
        *outputLayout = nullptr;
    return false;
}
#endif

bool PlugEffect2::setBlockAndRate(std::int32_t frames, float rate)
{
    storedBlockSize = frames;
    storedSampleRate = rate;
    return true;
}

bool PlugEffect2::switchBypass(bool)
{
    return false;
}

bool PlugEffect2::copyEffectName(char*)
{
    return false;
}

bool PlugEffect2::copyErrorText(char*)
{
    return false;
}

bool PlugEffect2::copyVendorText(char*)
{
    return false;
}

bool PlugEffect2::copyProductText(char*)
{
    return false;
}

PlugInt PlugEffect2::vendorVersion()
{
    return 0;
}

PlugInt PlugEffect2::vendorCall(std::int32_t, PlugInt, void*, float)
{
    return 0;
}

PlugInt PlugEffect2::supports(const char*)
{
    return 0;
}

void* PlugEffect2::icon()
{
    return nullptr;
}

bool PlugEffect2::moveView(std::int32_t, std::int32_t)
{
    return false;
}

PlugInt PlugEffect2::tailLength()
{
    return 0;
}

PlugInt PlugEffect2::onIdle()
{
    return 0;
}

bool PlugEffect2::paramInfo(std::int32_t, void*)
{
    return false;
}

bool PlugEffect2::needsKeys()
{
    return false;
}

PlugInt PlugEffect2::interfaceVersion()
{
    return InterfaceVersionAnswer;
}

#if FRAMEWORK_LEVEL >= 3
PlugInt PlugEffect2::midiProgramName(std::int32_t, void*)
{
    return 0;
}

PlugInt PlugEffect2::currentMidiProgram(std::int32_t, void*)
{
    return -1;
}

PlugInt PlugEffect2::midiProgramCategory(std::int32_t, void*)
{
    return 0;
}

bool PlugEffect2::midiProgramsChanged(std::int32_t)
{
    return false;
}

bool PlugEffect2::midiKeyName(std::int32_t, void*)
{
    return false;
}

bool PlugEffect2::beginProgramChange()
{
    return false;
}

bool PlugEffect2::endProgramChange()
{
    return false;
}

PlugInt PlugEffect2::setTotalSamples(PlugInt samples)
{
    return samples;
}

PlugInt PlugEffect2::nextShellEffect(char*)
{
    return 0;
}

PlugInt PlugEffect2::startProcessing()
{
    return 0;
}

PlugInt PlugEffect2::stopProcessing()
{
    return 0;
}

bool PlugEffect2::choosePanLaw(PlugInt, float)
{
    return false;
}

PlugInt PlugEffect2::beginBankLoad(void*)
{
    return 0;
}

PlugInt PlugEffect2::beginProgramLoad(void*)
{
    return 0;
}
#endif
