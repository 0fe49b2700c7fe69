#include "tests/gui_support/recording_host.h"

std::vector<AutomationEvent>& recordedAutomation()
{
    static std::vector<AutomationEvent> events;
    return events;
}

PlugInt recordingHostCallback(EffectRecord* effect, std::int32_t opcode, std::int32_t index, PlugInt, void*,
                              float opt)
{
    switch (opcode) {
    case HostVersion:
        return 2400;
    case HostAutomate:
        recordedAutomation().push_back({effect, index, opt});
        return 0;
    default:
        return 0;
    }
}
