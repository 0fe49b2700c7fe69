// ReverbEditor: the MiralteaVerb panel, a fixed 512 x 256 child window of
// the host's window, drawn with GDI from the module's shared skin. The
// editor itself keeps only its window handle (in the word the level-1
// PlugEditor reserves); the open panel lives in the effect, where the
// window procedure finds it.
#pragma once

#include "framework/plug_editor.h"

#include <windows.h>

class ReverbEffect;

class ReverbEditor : public PlugEditor {
public:
    // Attaches itself to the effect.
    explicit ReverbEditor(ReverbEffect* effect);

    std::int32_t queryRect(EditorRect** rect) override;
    std::int32_t openWindow(void* parent) override;
    void closeWindow() override;
    void refresh() override;

    HWND window() const { return static_cast<HWND>(derivedWindow); }

private:
    ReverbEffect& reverb() const;
    // A failed opening gives back what it took from the module.
    std::int32_t failOpening();
};
