#include "tools/plughost/capability_table.h"

#include <algorithm>

const std::vector<std::string_view>& effectCapabilityNames()
{
    static const std::vector<std::string_view> names = {
        "sendVstEvents", "sendVstMidiEvent", "sendVstTimeInfo", "receiveVstEvents", "receiveVstMidiEvent",
        "receiveVstTimeInfo", "offline", "plugAsChannelInsert", "plugAsSend", "mixDryWet", "noRealTime",
        "multipass", "metapass", "1in1out", "1in2out", "2in1out", "2in2out", "2in4out", "4in2out", "4in4out",
        "4in8out", "8in4out", "8in8out", "midiProgramNames", "conformsToWindowRules", "bypass",
    };
    return names;
}

const std::vector<std::string_view>& hostCapabilityNames()
{
    static const std::vector<std::string_view> names = {
        "sendVstEvents", "sendVstMidiEvent", "sendVstTimeInfo", "receiveVstEvents", "receiveVstMidiEvent",
        "receiveVstTimeInfo", "reportConnectionChanges", "acceptIOChanges", "sizeWindow", "asyncProcessing",
        "offline", "supplyIdle", "supportShell", "openFileSelector", "editFile", "closeFileSelector",
        "startStopProcess",
    };
    return names;
}

bool hostSupports(std::string_view name)
{
    // plughost sends OpStartProcessing and OpStopProcessing around a render.
    static const std::string_view supported[] = {"startStopProcess"};
    return std::find(std::begin(supported), std::end(supported), name) != std::end(supported);
}
