#include "toolkit/core/panel_window_class.h"

#include "framework/module_state.h"
#include "toolkit/core/toolkit_platform.h"

#include <cstdio>

namespace {

char className[32];
std::int32_t classUsers = 0;

} // namespace

void formatPanelWindowClassName(char (&name)[32])
{
    // Eight hex digits: on 64-bit the low half of the handle, which is what
    // tells modules apart in practice (classes are per module anyway).
    const auto handle = static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(moduleHandle));
    std::snprintf(name, sizeof name, "Plugin%08x", handle);
}

const char* retainPanelWindowClass()
{
    if (classUsers++ == 0) {
        formatPanelWindowClassName(className);
        platform::registerPanelClass(className);
    }
    return className;
}

void releasePanelWindowClass()
{
    if (classUsers > 0 && --classUsers == 0)
        platform::unregisterPanelClass(className);
}

std::int32_t panelWindowClassUsers()
{
    return classUsers;
}
