#include "tests/gui_support/loaded_plugin.h"

#include "tests/gui_support/recording_host.h"

LoadedPlugin::LoadedPlugin(const std::string& path)
{
    library = LoadLibraryA(path.c_str());
    if (library != nullptr)
        mainEntry = reinterpret_cast<PluginMainFunction>(reinterpret_cast<void*>(GetProcAddress(library, "main")));
}

LoadedPlugin::~LoadedPlugin()
{
    if (library != nullptr)
        FreeLibrary(library);
}

EffectRecord* LoadedPlugin::newEffect() const
{
    return mainEntry != nullptr ? mainEntry(recordingHostCallback) : nullptr;
}

PlugInt dispatch(EffectRecord* effect, std::int32_t opcode, std::int32_t index, PlugInt value, void* ptr, float opt)
{
    return effect->dispatch(effect, opcode, index, value, ptr, opt);
}

EditorRect* editorRect(EffectRecord* effect)
{
    EditorRect* rect = nullptr;
    dispatch(effect, OpEditorRect, 0, 0, &rect);
    return rect;
}

bool openEditor(EffectRecord* effect, HWND parent)
{
    return dispatch(effect, OpEditorOpen, 0, 0, parent) != 0;
}

void closeEditor(EffectRecord* effect)
{
    dispatch(effect, OpEditorClose);
}

void editorIdle(EffectRecord* effect)
{
    dispatch(effect, OpEditorIdle);
}

void closeEffect(EffectRecord* effect)
{
    dispatch(effect, OpClose);
}
