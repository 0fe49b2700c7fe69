// What every window test of the reverb editor shares: the MiralteaVerb DLL,
// loaded once as a host loads it, and an effect with a host window of the
// panel's size, its editor opened in it.
#pragma once

#include "tests/gui_support/host_window.h"
#include "tests/gui_support/loaded_plugin.h"
#include "tests/gui_support/window_pixels.h"

#include <windows.h>

#include <memory>

LoadedPlugin& reverbPlugin();

// The editor window an open reverb editor placed in parent, or null.
HWND findEditorWindow(HWND parent);

// A pixel of one of the plug-in's skin bitmaps, read from its resources.
COLORREF skinPixel(int resourceId, int x, int y);

// True while the module has its editor class registered.
bool editorClassRegistered();

class OpenEditor {
public:
    // A new effect whose editor opens in a new host window at (left, top).
    explicit OpenEditor(int left = 0, int top = 0);
    ~OpenEditor();
    OpenEditor(const OpenEditor&) = delete;
    OpenEditor& operator=(const OpenEditor&) = delete;

    EffectRecord* effect() const { return record; }
    HWND host() const { return hostWindow->handle(); }
    HWND editor() const { return findEditorWindow(host()); }
    bool isOpen() const { return opened; }
    // Closes the editor (opcode 15), then lets the host destroy its window.
    void close();
    // Waits for the window to be painted, then copies it.
    WindowPicture picture() const;

private:
    EffectRecord* record = nullptr;
    std::unique_ptr<HostWindow> hostWindow;
    bool opened = false;
};
