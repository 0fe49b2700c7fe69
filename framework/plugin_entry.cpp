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
