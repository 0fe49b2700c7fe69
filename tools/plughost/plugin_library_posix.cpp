#include "tools/plughost/plugin_library.h"

#include "tools/plughost/host_error.h"

#include <dlfcn.h>

PluginLibrary::PluginLibrary(const std::string& absolutePath)
    : handle(dlopen(absolutePath.c_str(), RTLD_NOW | RTLD_LOCAL))
{
    if (handle != nullptr)
        return;
    // dlerror starts with the path, which the caller's message already names.
    std::string reason = dlerror();
    const std::string prefix = absolutePath + ": ";
    if (reason.compare(0, prefix.size(), prefix) == 0)
        reason.erase(0, prefix.size());
    throw HostError("not a loadable library (" + reason + ")");
}

PluginLibrary::~PluginLibrary()
{
    dlclose(handle);
}

PluginMainFunction PluginLibrary::entry() const
{
    // Linux hosts look for VSTPluginMain first; older plug-ins have only main.
    for (const char* name : {"VSTPluginMain", "main"}) {
        if (void* symbol = dlsym(handle, name))
            return reinterpret_cast<PluginMainFunction>(symbol);
    }
    return nullptr;
}

const char* PluginLibrary::entryNames()
{
    return "VSTPluginMain or main";
}
