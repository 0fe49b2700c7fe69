// One effect of a plug-in, driven in the order hosts use: main, OpOpen,
// OpSetSampleRate, OpSetBlockSize, OpPower on ... OpPower off, OpClose.
// It owns the loaded module, the host context the callback answers from and
// the effect; the destructor closes the effect before the module goes.
#pragma once

#include "tools/plughost/host_callback.h"
#include "tools/plughost/plugin_library.h"

#include <cstdint>
#include <memory>
#include <string>

class HostedEffect {
public:
    // Loads the plug-in at path and makes one effect; throws HostError.
    explicit HostedEffect(const std::string& path);
    ~HostedEffect();
    HostedEffect(const HostedEffect&) = delete;
    HostedEffect& operator=(const HostedEffect&) = delete;

    const EffectRecord& record() const { return *effect; }
    HostContext& context() { return hostContext; }

    // OpOpen, then the rate and block size, which the host context answers too.
    void open(float sampleRate, std::int32_t blockSize);
    // OpPower with OpStartProcessing / OpStopProcessing inside it.
    void setPower(bool on);

    PlugInt dispatch(std::int32_t opcode, std::int32_t index = 0, PlugInt value = 0, void* ptr = nullptr,
                     float opt = 0.0f);

    // The effect's answer to a text opcode and the Windows-1252 text it wrote
    // into a zero-filled buffer far larger than any effect should need.
    struct Text {
        PlugInt answer;
        std::string text;
    };
    Text text(std::int32_t opcode, std::int32_t index = 0);

    void setParam(std::int32_t index, float value);
    float getParam(std::int32_t index);
    void process(float** inputs, float** outputs, std::int32_t frames, bool adding);

private:
    std::unique_ptr<PluginLibrary> library;
    HostContext hostContext;
    EffectRecord* effect = nullptr;
    bool powered = false;
};
