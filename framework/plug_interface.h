// The binary boundary between a host and our plug-ins: the effect record the
// host drives, the host callback, and the opcode and flag numbers both sides
// use. Hosts read and call through this record directly, so its layout is
// pinned below for 32-bit and 64-bit targets alike.
#pragma once

#include <cstddef>
#include <cstdint>

struct EffectRecord;

// The dispatcher's value and answer, and the callback's value and answer, are
// pointer-sized: int32 on 32-bit targets, int64 on 64-bit ones (hosts pass
// pointers through them there).
using PlugInt = std::intptr_t;

using HostCallback = PlugInt (*)(EffectRecord* effect, std::int32_t opcode, std::int32_t index,
                                 PlugInt value, void* ptr, float opt);

using DispatchEntry = PlugInt (*)(EffectRecord* effect, std::int32_t opcode, std::int32_t index,
                                  PlugInt value, void* ptr, float opt);
using ProcessEntry = void (*)(EffectRecord* effect, float** inputs, float** outputs, std::int32_t frames);
using SetParamEntry = void (*)(EffectRecord* effect, std::int32_t index, float value);
using GetParamEntry = float (*)(EffectRecord* effect, std::int32_t index);

constexpr std::int32_t fourCharCode(const char (&text)[5])
{
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(static_cast<unsigned char>(text[0])) << 24) |
                                     (static_cast<std::uint32_t>(static_cast<unsigned char>(text[1])) << 16) |
                                     (static_cast<std::uint32_t>(static_cast<unsigned char>(text[2])) << 8) |
                                     static_cast<std::uint32_t>(static_cast<unsigned char>(text[3])));
}

constexpr std::int32_t EffectMagic = fourCharCode("VstP");   // 0x56737450
constexpr std::int32_t DefaultEffectId = fourCharCode("NoEf"); // 0x4E6F4566
constexpr std::int32_t IdentifyAnswer = fourCharCode("NvEf");  // 0x4E764566

struct EffectRecord {
    std::int32_t magic;
    DispatchEntry dispatch;
    ProcessEntry processAdding;
    SetParamEntry setParam;
    GetParamEntry getParam;
    std::int32_t programCount;
    std::int32_t paramCount;
    std::int32_t inputCount;
    std::int32_t outputCount;
    std::int32_t flags;
    std::intptr_t reserved1;
    std::intptr_t reserved2;
    std::int32_t latency;
    std::int32_t realtimeQualities;
    std::int32_t offlineQualities;
    float ioRatio;
    void* object;
    void* user;
    std::int32_t effectId;
    std::int32_t version;
    ProcessEntry processOverwriting;
    std::intptr_t reservedTailHead;
    char reservedTail[56];
};

#if INTPTR_MAX == INT32_MAX
static_assert(sizeof(EffectRecord) == 144, "32-bit effect record is 144 bytes");
static_assert(offsetof(EffectRecord, magic) == 0);
static_assert(offsetof(EffectRecord, dispatch) == 4);
static_assert(offsetof(EffectRecord, processAdding) == 8);
static_assert(offsetof(EffectRecord, setParam) == 12);
static_assert(offsetof(EffectRecord, getParam) == 16);
static_assert(offsetof(EffectRecord, programCount) == 20);
static_assert(offsetof(EffectRecord, paramCount) == 24);
static_assert(offsetof(EffectRecord, inputCount) == 28);
static_assert(offsetof(EffectRecord, outputCount) == 32);
static_assert(offsetof(EffectRecord, flags) == 36);
static_assert(offsetof(EffectRecord, reserved1) == 40);
static_assert(offsetof(EffectRecord, reserved2) == 44);
static_assert(offsetof(EffectRecord, latency) == 48);
static_assert(offsetof(EffectRecord, realtimeQualities) == 52);
static_assert(offsetof(EffectRecord, offlineQualities) == 56);
static_assert(offsetof(EffectRecord, ioRatio) == 60);
static_assert(offsetof(EffectRecord, object) == 64);
static_assert(offsetof(EffectRecord, user) == 68);
static_assert(offsetof(EffectRecord, effectId) == 72);
static_assert(offsetof(EffectRecord, version) == 76);
static_assert(offsetof(EffectRecord, processOverwriting) == 80);
static_assert(offsetof(EffectRecord, reservedTailHead) == 84);
static_assert(offsetof(EffectRecord, reservedTail) == 88);
#else
static_assert(sizeof(EffectRecord) == 192, "64-bit effect record is 192 bytes");
static_assert(offsetof(EffectRecord, magic) == 0);
static_assert(offsetof(EffectRecord, dispatch) == 8);
static_assert(offsetof(EffectRecord, processAdding) == 16);
static_assert(offsetof(EffectRecord, setParam) == 24);
static_assert(offsetof(EffectRecord, getParam) == 32);
static_assert(offsetof(EffectRecord, programCount) == 40);
static_assert(offsetof(EffectRecord, paramCount) == 44);
static_assert(offsetof(EffectRecord, inputCount) == 48);
static_assert(offsetof(EffectRecord, outputCount) == 52);
static_assert(offsetof(EffectRecord, flags) == 56);
static_assert(offsetof(EffectRecord, reserved1) == 64);
static_assert(offsetof(EffectRecord, reserved2) == 72);
static_assert(offsetof(EffectRecord, latency) == 80);
static_assert(offsetof(EffectRecord, realtimeQualities) == 84);
static_assert(offsetof(EffectRecord, offlineQualities) == 88);
static_assert(offsetof(EffectRecord, ioRatio) == 92);
static_assert(offsetof(EffectRecord, object) == 96);
static_assert(offsetof(EffectRecord, user) == 104);
static_assert(offsetof(EffectRecord, effectId) == 112);
static_assert(offsetof(EffectRecord, version) == 116);
static_assert(offsetof(EffectRecord, processOverwriting) == 120);
static_assert(offsetof(EffectRecord, reservedTailHead) == 128);
static_assert(offsetof(EffectRecord, reservedTail) == 136);
#endif

// Record flags.
enum : std::int32_t {
    EditorFlag = 1,
    ClipFlag = 2,
    MeterFlag = 4,
    MonoFlag = 8,
    OverwriteFlag = 16,
    ChunkFlag = 32,
    InstrumentFlag = 256,
    SilentStopFlag = 512,
    AsyncFlag = 1024,
    ExternalBufferFlag = 2048,
};

// Effect opcodes: what the host asks through the dispatch entry.
enum : std::int32_t {
    OpOpen = 0,
    OpClose = 1,
    OpSetProgram = 2,
    OpGetProgram = 3,
    OpSetProgramName = 4,
    OpGetProgramName = 5,
    OpGetParamUnit = 6,
    OpGetParamText = 7,
    OpGetParamTitle = 8,
    OpGetMeter = 9,
    OpSetSampleRate = 10,
    OpSetBlockSize = 11,
    OpPower = 12,
    OpEditorRect = 13,
    OpEditorOpen = 14,
    OpEditorClose = 15,
    OpEditorIdle = 19,
    OpIdentify = 22,
    OpGetChunk = 23,
    OpSetChunk = 24,
    OpEvents = 25,
    OpCanAutomate = 26,
    OpParamFromText = 27,
    OpCategoryCount = 28,
    OpProgramNameAt = 29,
    OpCopyProgram = 30,
    OpInputWired = 31,
    OpOutputWired = 32,
    OpInputInfo = 33,
    OpOutputInfo = 34,
    OpCategory = 35,
    OpCurrentPosition = 36,
    OpDestinationBuffer = 37,
    OpOfflineNotify = 38,
    OpOfflinePrepare = 39,
    OpOfflineRun = 40,
    OpVaryingIo = 41,
    OpSetSpeakers = 42,
    OpSetBlockAndRate = 43,
    OpBypass = 44,
    OpEffectName = 45,
    OpErrorText = 46,
    OpVendorText = 47,
    OpProductText = 48,
    OpVendorVersion = 49,
    OpVendorCall = 50,
    OpSupports = 51,
    OpTailLength = 52,
    OpIdle = 53,
    OpIcon = 54,
    OpViewPosition = 55,
    OpParamInfo = 56,
    OpKeysNeeded = 57,
    OpInterfaceVersion = 58,
    OpKeyDown = 59,
    OpKeyUp = 60,
    OpKnobStyle = 61,
    OpMidiProgramName = 62,
    OpCurrentMidiProgram = 63,
    OpMidiProgramCategory = 64,
    OpMidiProgramsChanged = 65,
    OpMidiKeyName = 66,
    OpBeginProgramChange = 67,
    OpEndProgramChange = 68,
    OpGetSpeakers = 69,
    OpNextShellEffect = 70,
    OpStartProcessing = 71,
    OpStopProcessing = 72,
    OpTotalSamples = 73,
    OpPanLaw = 74,
    OpBeginBankLoad = 75,
    OpBeginProgramLoad = 76,
};

// Host opcodes: what an effect asks through the host callback.
enum : std::int32_t {
    HostAutomate = 0,
    HostVersion = 1,
    HostCurrentId = 2,
    HostIdle = 3,
    HostPinConnected = 4,
    HostWantEvents = 6,
    HostTimeInfo = 7,
    HostTempoAt = 10,
    HostAutomatableCount = 11,
    HostParamQuantization = 12,
    HostIoChanged = 13,
    HostNeedIdle = 14,
    HostResizeWindow = 15,
    HostSampleRate = 16,
    HostBlockSize = 17,
    HostInputLatency = 18,
    HostOutputLatency = 19,
    HostPreviousEffect = 20,
    HostNextEffect = 21,
    HostAddOrOverwrite = 22,
    HostProcessLevel = 23,
    HostAutomationState = 24,
    HostOfflineStart = 25,
    HostOfflineRead = 26,
    HostOfflineWrite = 27,
    HostOfflinePass = 28,
    HostOfflineMetaPass = 29,
    HostSetOutputRate = 30,
    HostOutputLayout = 31,
    HostSpeakerLayouts = 31,
    HostVendorText = 32,
    HostProductText = 33,
    HostVendorVersion = 34,
    HostVendorCall = 35,
    HostSupports = 37,
    HostLanguage = 38,
    HostOpenWindow = 39,
    HostCloseWindow = 40,
    HostDirectory = 41,
    HostRefresh = 42,
    HostEditBegin = 43,
    HostEditEnd = 44,
    HostOpenFileDialog = 45,
    HostInputLayout = 49,
};

// The rectangle an editor hands the host after OpEditorRect.
struct EditorRect {
    std::int16_t top;
    std::int16_t left;
    std::int16_t bottom;
    std::int16_t right;
};
static_assert(sizeof(EditorRect) == 8);
static_assert(offsetof(EditorRect, top) == 0 && offsetof(EditorRect, left) == 2);
static_assert(offsetof(EditorRect, bottom) == 4 && offsetof(EditorRect, right) == 6);

// The name of the one exported function every plug-in offers.
using PluginMainFunction = EffectRecord* (*)(HostCallback host);
