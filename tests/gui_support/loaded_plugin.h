// A plug-in DLL loaded the way a host loads it: LoadLibrary, the exported
// "main" called with the recording host callback, then everything through
// the effect record and its dispatcher.
#pragma once

#include "framework/plug_interface.h"

#include <windows.h>

#include <string>

class LoadedPlugin {
public:
    explicit LoadedPlugin(const std::string& path);
    ~LoadedPlugin();
    LoadedPlugin(const LoadedPlugin&) = delete;
    LoadedPlugin& operator=(const LoadedPlugin&) = delete;

    bool loaded() const { return mainEntry != nullptr; }
    HMODULE module() const { return library; }
    // A new effect from main, or null.
    EffectRecord* newEffect() const;

private:
    HMODULE library = nullptr;
    PluginMainFunction mainEntry = nullptr;
};

// The dispatcher, the way hosts call it.
PlugInt dispatch(EffectRecord* effect, std::int32_t opcode, std::int32_t index = 0, PlugInt value = 0,
                 void* ptr = nullptr, float opt = 0.0f);

// Editor opcodes 13, 14, 15 and 19, and the effect's end (opcode 1).
EditorRect* editorRect(EffectRecord* effect);
bool openEditor(EffectRecord* effect, HWND parent);
void closeEditor(EffectRecord* effect);
void editorIdle(EffectRecord* effect);
void closeEffect(EffectRecord* effect);
