// gallery_screenshot OUT.png: the toolkit gallery in a host window, a few
// controls moved off their starting look, saved as a picture.
#include "framework/module_state.h"
#include "tests/gui_support/host_window.h"
#include "tests/gui_support/window_pixels.h"
#include "tests/toolkit_controls/gallery_panel.h"
#include "toolkit/core/panel_window.h"

#include <cstdio>

int main(int argc, char** argv)
{
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    if (argc != 2) {
        std::fprintf(stderr, "usage: gallery_screenshot OUT.png\n");
        return 2;
    }
    moduleHandle = GetModuleHandleA(nullptr);
    GalleryEffect* effect = new GalleryEffect;
    GalleryEditor* editor = new GalleryEditor(effect);
    HostWindow host(GalleryWidth, GalleryHeight);
    editor->openWindow(host.handle());
    editor->latch->setValue(1.0f);
    editor->toggle->setValue(1.0f);
    editor->animation->start();
    editor->animation->nextFrame();
    pumpUntil([editor] { return !editor->panelWindow()->isFirstPaintPending(); }, 3000);
    for (int i = 0; i < 3; ++i) {
        editor->idleTick();
        pumpMessages(40);
    }
    const bool saved = WindowPicture::capture(host.handle()).savePng(argv[1]);
    editor->closeWindow();
    host.destroy();
    effect->destroy();
    if (!saved) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("saved %s\n", argv[1]);
    return 0;
}
