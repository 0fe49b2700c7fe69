// Counting what a process holds, to show that nothing leaks: live GDI
// objects (found by probing every handle value with GetObjectType, since
// Wine's GetGuiResources always answers 0) and the windows of the process.
#pragma once

struct ResourceCount {
    int gdiObjects = 0;
    int windows = 0;
};

inline bool operator==(const ResourceCount& a, const ResourceCount& b)
{
    return a.gdiObjects == b.gdiObjects && a.windows == b.windows;
}

int liveGdiObjects();
// Top-level windows of this process and all their descendants.
int processWindows();
ResourceCount countResources();
