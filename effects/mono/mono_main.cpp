// ZOVaMono: main makes one MonoEffect per call.
#include "effects/mono/mono_effect.h"
#include "framework/plugin_entry.h"

PlugEffect* createEffect(HostCallback host)
{
    return new MonoEffect(host);
}
