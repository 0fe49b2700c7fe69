// ModuleSkin: the reverb editor's resources shared by every editor of the
// loaded DLL: the window class, the 21 skin bitmaps, the three bar brushes,
// the readout font, the table of editor windows and the count of editors
// open. The first opening creates them, the last closing destroys them.
#pragma once

#include "effects/reverb/editor/editor_window_table.h"
#include "effects/reverb/editor/panel_surface.h"
#include "effects/reverb/editor/skin_ids.h"

#include <windows.h>

constexpr const char* EditorClassName = "MiralteaVerb";

struct ModuleSkin {
    int useCount = 0;
    HBITMAP bitmaps[SkinCount] = {};
    HBRUSH fillBrush = nullptr;
    HBRUSH remainderBrush = nullptr;
    HBRUSH disabledFillBrush = nullptr;
    HFONT font = nullptr;
    EditorWindowTable windows;

    HBITMAP bitmap(SkinId id) const { return bitmaps[skinSlot(id)]; }
    HBRUSH brush(BarBrush which) const;
};

// The one set of the loaded module.
ModuleSkin& moduleSkin();

// Registers the editor window class for the module; false when refused.
bool registerEditorClass(WNDPROC procedure);
void unregisterEditorClass();

// Loads the bitmaps and makes the brushes and the font. A missing panel
// bitmap is reported to the user and the editor opens without it.
void createSkinResources();
void destroySkinResources();

// True for a live window of this module's editor class: only those may be
// destroyed through the window table.
bool isLiveEditorWindow(void* window);
void destroyEditorWindow(void* window);
