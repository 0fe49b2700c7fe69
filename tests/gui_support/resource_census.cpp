#include "tests/gui_support/resource_census.h"

#include <windows.h>

#include <cstdint>

namespace {

BOOL CALLBACK countChild(HWND, LPARAM counter)
{
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

BOOL CALLBACK countTopLevel(HWND window, LPARAM counter)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId())
        return TRUE;
    ++*reinterpret_cast<int*>(counter);
    EnumChildWindows(window, countChild, counter);
    return TRUE;
}

} // namespace

int liveGdiObjects()
{
    // GDI handles are a 16-bit table index with a uniqueness tag above it;
    // the bare index is accepted as the handle of the live entry there.
    int live = 0;
    for (std::uintptr_t value = 1; value <= 0xFFFF; ++value)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(value)) != 0)
            ++live;
    return live;
}

int processWindows()
{
    int count = 0;
    EnumWindows(countTopLevel, reinterpret_cast<LPARAM>(&count));
    return count;
}

ResourceCount countResources()
{
    return {liveGdiObjects(), processWindows()};
}
