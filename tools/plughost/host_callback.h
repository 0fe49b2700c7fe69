// plughost's side of the callback: what it tells an effect about itself and
// what it notes when the effect reports a parameter change. Each effect's
// record carries its context in the record's user field, so one process can
// host several effects; calls made while main runs, before the record
// exists, reach the context of the effect being made.
#pragma once

#include "framework/plug_interface.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr PlugInt PlugHostVersion = 2400;
constexpr const char* PlugHostVendor = "ZOV";
constexpr const char* PlugHostProduct = "plughost";

struct AutomationEvent {
    std::int32_t index;
    float value;
};

struct HostContext {
    float sampleRate = 44100.0f;
    std::int32_t blockSize = 512;
    std::string pluginDirectory;
    std::vector<AutomationEvent> automation;
};

PlugInt hostCallback(EffectRecord* effect, std::int32_t opcode, std::int32_t index, PlugInt value, void* ptr,
                     float opt);

// Binds a context to an effect's record for every later call.
void attachHostContext(EffectRecord* effect, HostContext* context);

// Makes the given context answer for the effect being made, for as long as
// this object lives.
class NewEffectContext {
public:
    explicit NewEffectContext(HostContext& context);
    ~NewEffectContext();
    NewEffectContext(const NewEffectContext&) = delete;
    NewEffectContext& operator=(const NewEffectContext&) = delete;

private:
    HostContext* previous;
};
