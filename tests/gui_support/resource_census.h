// Counting what a process holds, to show that nothing leaks: live GDI
// objects (found by probing every handle value with GetObjectType, since
// Wine's GetGuiResources always answers 0) and the windows of the process.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ResourceCount {
    int gdiObjects = 0;
    int windows = 0;
    // The live GDI handles (table index) with their object types.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> gdiHandles;
};

inline bool operator==(const ResourceCount& a, const ResourceCount& b)
{
    return a.gdiObjects == b.gdiObjects && a.windows == b.windows;
}

int liveGdiObjects();
// Top-level windows of this process and all their descendants.
int processWindows();
ResourceCount countResources();
// The kinds of GDI objects alive in after but not in before, as
// "type:count" words (type numbers as GetObjectType gives them).
std::string newGdiObjects(const ResourceCount& before, const ResourceCount& after);
