// ZOVaGain: main makes one GainEffect per call.
#include "effects/gain/gain_effect.h"
#include "framework/plugin_entry.h"

PlugEffect* createEffect(HostCallback host)
{
    return new GainEffect(host);
}
