#include "effects/reverb/editor/editor_window_table.h"

void EditorWindowTable::record(void* window, WindowTest isLive)
{
    int index = 0;
    while (index < Size && windows[index] != nullptr && isLive(windows[index]))
        ++index;
    if (index == Size)
        return;
    windows[index] = window;
    if (index > highest)
        highest = index;
    if (highest >= Size)
        highest = Size - 1;
}

void EditorWindowTable::destroyAll(WindowTest isLive, WindowAction destroy)
{
    for (int index = 0; index <= highest; ++index) {
        if (windows[index] != nullptr && isLive(windows[index]))
            destroy(windows[index]);
        // A handle kept after its window died could later name someone
        // else's window.
        windows[index] = nullptr;
    }
    highest = 0;
}
