// Linux hosts look for VSTPluginMain; some also for main. The C++ name of
// the second cannot be main itself, so the symbol is named in assembly.
// Only plug-ins link this file: test programs have a main of their own.
#include "framework/plugin_entry.h"

#define PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))

PLUGIN_EXPORT EffectRecord* VSTPluginMain(HostCallback host)
{
    return pluginMain(host);
}

PLUGIN_EXPORT EffectRecord* pluginMainExport(HostCallback host) __asm__("main");
EffectRecord* pluginMainExport(HostCallback host)
{
    return pluginMain(host);
}
