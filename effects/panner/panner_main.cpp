// Corvelan: main makes one PannerPlugin per call.
#include "effects/panner/panner_plugin.h"
#include "framework/plugin_entry.h"

PlugEffect* createEffect(HostCallback host)
{
    return new PannerPlugin(host);
}
