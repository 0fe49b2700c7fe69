// editor_screenshot PLUGIN.dll OUT.png [MS [PROGRAM]]
// Opens the plug-in's editor in a host window as a host would, selects
// PROGRAM (default: the plug-in's own), feeds the effect a tone so its
// meters have something to show, lets the editor run for MS milliseconds
// (default 600) and saves what it shows.
#include "tests/gui_support/host_window.h"
#include "tests/gui_support/loaded_plugin.h"
#include "tests/gui_support/window_pixels.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Blocks of a 220 Hz tone at -24 dB on every input, 512 frames each.
void playTone(EffectRecord* effect, int blocks)
{
    const int frames = 512;
    std::vector<std::vector<float>> in(static_cast<std::size_t>(effect->inputCount), std::vector<float>(frames));
    std::vector<std::vector<float>> out(static_cast<std::size_t>(effect->outputCount), std::vector<float>(frames));
    std::vector<float*> inputs, outputs;
    for (auto& channel : in)
        inputs.push_back(channel.data());
    for (auto& channel : out)
        outputs.push_back(channel.data());
    dispatch(effect, OpSetSampleRate, 0, 0, nullptr, 44100.0f);
    dispatch(effect, OpSetBlockSize, 0, frames);
    dispatch(effect, OpPower, 0, 1);
    for (int block = 0; block < blocks; ++block) {
        for (auto& channel : in)
            for (int i = 0; i < frames; ++i)
                channel[i] = 0.06f * static_cast<float>(std::sin((block * frames + i) * 2.0 * 3.14159265 * 220.0 / 44100.0));
        effect->processOverwriting(effect, inputs.data(), outputs.data(), frames);
    }
}

} // namespace

int main(int argc, char** argv)
{
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    if (argc < 3) {
        std::fprintf(stderr, "usage: editor_screenshot PLUGIN.dll OUT.png [MS [PROGRAM]]\n");
        return 2;
    }
    const int wait = argc > 3 ? std::atoi(argv[3]) : 600;
    LoadedPlugin plugin(argv[1]);
    EffectRecord* effect = plugin.loaded() ? plugin.newEffect() : nullptr;
    if (effect == nullptr) {
        std::fprintf(stderr, "cannot load %s\n", argv[1]);
        return 1;
    }
    dispatch(effect, OpOpen);
    if (argc > 4)
        dispatch(effect, OpSetProgram, 0, std::atoi(argv[4]));
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
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < static_cast<DWORD>(wait)) {
        playTone(effect, 4);
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
