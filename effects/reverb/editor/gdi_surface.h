// GdiSurface: the panel's drawing surface on a Windows device context,
// drawing with the module's shared skin. It borrows the context; a
// WindowSurface also fetches the window's context and gives it back.
#pragma once

#include "effects/reverb/editor/module_skin.h"
#include "effects/reverb/editor/panel_surface.h"

#include <windows.h>

class GdiSurface : public PanelSurface {
public:
    GdiSurface(HDC context, const ModuleSkin& skin);

    void fillBar(const PanelRect& rect, BarBrush brush) override;
    void drawSkin(SkinId skin, int x, int y, int width, int height) override;
    void drawText(const PanelRect& rect, const char* text) override;
    void excludeClip(const PanelRect& rect) override;
    void resetClip() override;

    HDC context() const { return dc; }

protected:
    HDC dc;
    const ModuleSkin& skin;
};

// The editor's lasting surface: the window's own device context, from the
// opening of the editor to its closing.
class WindowSurface : public GdiSurface {
public:
    WindowSurface(HWND window, const ModuleSkin& skin);
    ~WindowSurface() override;

private:
    HWND window;
};
