#include "framework/plugin_entry.h"

#include "framework/module_state.h"
#include "framework/plug_effect.h"

#include <new>

extern "C" EffectRecord* pluginMain(HostCallback host)
{
    // A host without a callback cannot be asked its version, nor answer us.
    if (host == nullptr)
        return nullptr;
    if (host(nullptr, HostVersion, 0, 0, nullptr, 0.0f) == 0)
        return nullptr;
    PlugEffect* effect = nullptr;
    try {
        effect = createEffect(host);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    if (effect == nullptr)
        return nullptr;
    if (constructionFailed != 0) {
        effect->destroy();
        return nullptr;
    }
    return effect->record();
}

#ifndef _WIN32
// Linux hosts look for VSTPluginMain; some also for main. The C++ name of
// the second cannot be main itself, so the symbol is named in assembly.
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
#endif
