// The host callback a GUI test hands to a plug-in's main: it answers the
// version question and records every HostAutomate (index and value) the
// plug-in sends, in one process-wide list.
#pragma once

#include "framework/plug_interface.h"

#include <vector>

struct AutomationEvent {
    EffectRecord* effect;
    std::int32_t index;
    float value;
};

std::vector<AutomationEvent>& recordedAutomation();

PlugInt recordingHostCallback(EffectRecord* effect, std::int32_t opcode, std::int32_t index, PlugInt value,
                              void* ptr, float opt);
