// corvelan_screenshot CORVELAN.dll OUT.png
// Opens the Corvelan panel in a host window as a host would, with its four
// inputs spread over the outputs at different gains, and saves what it shows.
#include "tests/gui_support/host_window.h"
#include "tests/gui_support/loaded_plugin.h"
#include "tests/gui_support/window_pixels.h"

#include <cstdio>

int main(int argc, char** argv)
{
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    if (argc != 3) {
        std::fprintf(stderr, "usage: corvelan_screenshot CORVELAN.dll OUT.png\n");
        return 2;
    }
    LoadedPlugin plugin(argv[1]);
    EffectRecord* effect = plugin.loaded() ? plugin.newEffect() : nullptr;
    if (effect == nullptr) {
        std::fprintf(stderr, "cannot load %s\n", argv[1]);
        return 1;
    }
    dispatch(effect, OpOpen);
    const float values[8] = {0.15f, 0.45f, 0.75f, 1.0f, 0.9f, 0.55f, 0.75f, 0.3f};
    for (int index = 0; index < 8; ++index)
        effect->setParam(effect, index, values[index]);
    EditorRect* rect = editorRect(effect);
    if (rect == nullptr) {
        std::fprintf(stderr, "%s has no editor\n", argv[1]);
        return 1;
    }
    HostWindow host(rect->right - rect->left, rect->bottom - rect->top);
    if (!openEditor(effect, host.handle())) {
        std::fprintf(stderr, "the editor did not open\n");
        return 1;
    }
    for (int i = 0; i < 5; ++i) {
        editorIdle(effect);
        pumpMessages(40);
    }
    const bool saved = WindowPicture::capture(host.handle()).savePng(argv[2]);
    closeEditor(effect);
    host.destroy();
    closeEffect(effect);
    if (!saved) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("saved %s\n", argv[2]);
    return 0;
}
