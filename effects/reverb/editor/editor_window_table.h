// EditorWindowTable: the module's record of the editor windows it opened,
// so the last closing editor can destroy any that hosts left behind. An
// entry whose window has died is free again; the table never grows past
// its 128 entries (a window that finds no free entry is not recorded).
#pragma once

class EditorWindowTable {
public:
    static constexpr int Size = 128;
    using WindowTest = bool (*)(void* window);
    using WindowAction = void (*)(void* window);

    // Stores window in the lowest entry not holding a live window.
    void record(void* window, WindowTest isLive);
    // Destroys every live window from entry 0 up to the highest in use.
    void destroyAll(WindowTest isLive, WindowAction destroy);

    void* entry(int index) const { return windows[index]; }
    int highestIndex() const { return highest; }

private:
    void* windows[Size] = {};
    int highest = 0;
};
