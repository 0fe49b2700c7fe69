// Loads a built plug-in shared object and makes effects through its main,
// as a host would: the robustness programs drive the very file we ship.
#pragma once

#include "framework/plug_interface.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

// A host that only says which version it is: enough for main to answer.
inline PlugInt quietHost(EffectRecord*, std::int32_t opcode, std::int32_t, PlugInt, void*, float)
{
    if (opcode == HostVersion)
        return 2400;
    if (opcode == HostSampleRate)
        return 44100;
    if (opcode == HostBlockSize)
        return 512;
    return 0;
}

class PluginLibrary {
public:
    explicit PluginLibrary(const char* path)
    {
        handle = dlopen(path, RTLD_NOW | RTLD_LOCAL);
        if (handle != nullptr)
            entry = reinterpret_cast<PluginMainFunction>(dlsym(handle, "VSTPluginMain"));
        if (entry == nullptr) {
            std::fprintf(stderr, "cannot load %s: %s\n", path, dlerror());
            std::exit(2);
        }
    }
    ~PluginLibrary()
    {
        if (handle != nullptr)
            dlclose(handle);
    }
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // A new, opened effect; the caller closes it with OpClose.
    EffectRecord* open(HostCallback host = quietHost) const
    {
        EffectRecord* effect = entry(host);
        if (effect == nullptr) {
            std::fprintf(stderr, "main made no effect\n");
            std::exit(2);
        }
        effect->dispatch(effect, OpOpen, 0, 0, nullptr, 0.0f);
        return effect;
    }

private:
    void* handle = nullptr;
    PluginMainFunction entry = nullptr;
};

inline void closeEffect(EffectRecord* effect)
{
    effect->dispatch(effect, OpClose, 0, 0, nullptr, 0.0f);
}
