#include "effects/reverb/editor/editor_window.h"

#include "effects/reverb/editor/gdi_surface.h"
#include "effects/reverb/editor/reverb_panel.h"
#include "effects/reverb/reverb_effect.h"

namespace {

ReverbPanel* openPanel(HWND window)
{
    auto* effect = reinterpret_cast<ReverbEffect*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    return effect != nullptr ? effect->editorWidgets : nullptr;
}

// Mouse coordinates are signed: a drag may leave the window on the left.
int signedLow(LPARAM lParam)
{
    return static_cast<short>(LOWORD(lParam));
}

int signedHigh(LPARAM lParam)
{
    return static_cast<short>(HIWORD(lParam));
}

void paint(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    GdiSurface(dc, moduleSkin()).drawSkin(SkinPanel, 0, 0, 512, 256);
    // Widgets draw through the editor's own surface, whole, whatever the
    // update region.
    if (ReverbPanel* panel = openPanel(window))
        panel->paintWidgets();
    EndPaint(window, &ps);
}

void meterTick(HWND window)
{
    ReverbPanel* panel = openPanel(window);
    if (panel == nullptr)
        return;
    HDC dc = GetDC(window);
    GdiSurface surface(dc, moduleSkin());
    panel->meterTick(surface);
    ReleaseDC(window, dc);
}

} // namespace

LRESULT CALLBACK editorWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        paint(window);
        return 0;
    case WM_LBUTTONDOWN:
        if (ReverbPanel* panel = openPanel(window))
            panel->pressAt(signedLow(lParam), signedHigh(lParam));
        return 0;
    case WM_MOUSEMOVE:
        if (wParam == MK_LBUTTON)
            if (ReverbPanel* panel = openPanel(window))
                panel->dragAt(signedLow(lParam), signedHigh(lParam));
        return 0;
    case MeterTickMessage:
        meterTick(window);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void CALLBACK meterTimerProcedure(HWND window, UINT, UINT_PTR id, DWORD)
{
    if (id == MeterTimerId)
        PostMessageA(window, MeterTickMessage, 0, 0);
}
