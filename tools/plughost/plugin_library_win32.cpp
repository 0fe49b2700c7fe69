#include "tools/plughost/plugin_library.h"

#include "tools/plughost/host_error.h"

#include <windows.h>

namespace {

std::string loadFailure(DWORD code)
{
    switch (code) {
    case ERROR_BAD_EXE_FORMAT:
        return sizeof(void*) == 8 ? "not a 64-bit Windows DLL" : "not a 32-bit Windows DLL";
    case ERROR_MOD_NOT_FOUND:
        return "a DLL it needs is missing";
    case ERROR_PROC_NOT_FOUND:
        return "a function it imports is missing";
    case ERROR_DLL_INIT_FAILED:
        return "its start-up code failed";
    default:
        return "Windows error " + std::to_string(code);
    }
}

} // namespace

PluginLibrary::PluginLibrary(const std::string& absolutePath) : handle(LoadLibraryA(absolutePath.c_str()))
{
    if (handle == nullptr)
        throw HostError("not a loadable library (" + loadFailure(GetLastError()) + ")");
}

PluginLibrary::~PluginLibrary()
{
    FreeLibrary(static_cast<HMODULE>(handle));
}

PluginMainFunction PluginLibrary::entry() const
{
    // GetProcAddress returns a generic function pointer; going through
    // void(*)() is the cast compilers accept between function types.
    const FARPROC symbol = GetProcAddress(static_cast<HMODULE>(handle), "main");
    return reinterpret_cast<PluginMainFunction>(reinterpret_cast<void (*)()>(symbol));
}

const char* PluginLibrary::entryNames()
{
    return "main";
}
