#include "tests/gui_support/resource_census.h"

#include <windows.h>

#include <map>

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

// GDI handles are a 16-bit table index with a uniqueness tag above it; the
// bare index is accepted as the handle of the live entry there.
std::vector<std::pair<std::uint32_t, std::uint32_t>> liveGdiHandles()
{
    std::vector<std::pair<std::uint32_t, std::uint32_t>> live;
    for (std::uint32_t value = 1; value <= 0xFFFF; ++value) {
        const DWORD type = GetObjectType(reinterpret_cast<HGDIOBJ>(static_cast<std::uintptr_t>(value)));
        if (type != 0)
            live.emplace_back(value, type);
    }
    return live;
}

} // namespace

int liveGdiObjects()
{
    return static_cast<int>(liveGdiHandles().size());
}

int processWindows()
{
    int count = 0;
    EnumWindows(countTopLevel, reinterpret_cast<LPARAM>(&count));
    return count;
}

ResourceCount countResources()
{
    ResourceCount count;
    count.gdiHandles = liveGdiHandles();
    count.gdiObjects = static_cast<int>(count.gdiHandles.size());
    count.windows = processWindows();
    return count;
}

std::string newGdiObjects(const ResourceCount& before, const ResourceCount& after)
{
    std::map<std::uint32_t, int> kinds;
    for (const auto& handle : after.gdiHandles) {
        bool old = false;
        for (const auto& previous : before.gdiHandles)
            old = old || previous == handle;
        if (!old)
            ++kinds[handle.second];
    }
    std::string text;
    for (const auto& kind : kinds)
        text += (text.empty() ? "" : " ") + std::to_string(kind.first) + ":" + std::to_string(kind.second);
    return text;
}
