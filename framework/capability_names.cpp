#include "framework/capability_names.h"

#include "framework/framework_level.h"

namespace {

const char* const EffectNames[] = {
    "sendVstEvents", "sendVstMidiEvent", "sendVstTimeInfo", "receiveVstEvents", "receiveVstMidiEvent",
    "receiveVstTimeInfo", "offline", "plugAsChannelInsert", "plugAsSend", "mixDryWet", "noRealTime",
    "multipass", "metapass", "1in1out", "1in2out", "2in1out", "2in2out", "2in4out", "4in2out", "4in4out",
    "4in8out", "8in4out", "8in8out",
#if FRAMEWORK_LEVEL >= 3
    "midiProgramNames", "conformsToWindowRules", "bypass",
#endif
};

const char* const HostNames[] = {
    "sendVstEvents", "sendVstMidiEvent", "sendVstTimeInfo", "receiveVstEvents", "receiveVstMidiEvent",
    "receiveVstTimeInfo", "reportConnectionChanges", "acceptIOChanges", "sizeWindow", "asyncProcessing",
    "offline", "supplyIdle", "supportShell",
#if FRAMEWORK_LEVEL >= 3
    "openFileSelector", "editFile", "closeFileSelector", "startStopProcess",
#endif
};

} // namespace

NameList effectCapabilityNames()
{
    return {EffectNames, sizeof EffectNames / sizeof EffectNames[0]};
}

NameList hostCapabilityNames()
{
    return {HostNames, sizeof HostNames / sizeof HostNames[0]};
}
