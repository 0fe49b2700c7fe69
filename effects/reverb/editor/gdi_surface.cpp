#include "effects/reverb/editor/gdi_surface.h"

GdiSurface::GdiSurface(HDC context, const ModuleSkin& shared) : dc(context), skin(shared) {}

void GdiSurface::fillBar(const PanelRect& rect, BarBrush brush)
{
    const RECT r = {rect.left, rect.top, rect.right, rect.bottom};
    HBRUSH handle = skin.brush(brush);
    if (handle != nullptr)
        FillRect(dc, &r, handle);
}

void GdiSurface::drawSkin(SkinId id, int x, int y, int width, int height)
{
    HBITMAP bitmap = skin.bitmap(id);
    if (bitmap != nullptr)
        DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(bitmap), 0, x, y, width, height, DST_BITMAP);
}

void GdiSurface::drawText(const PanelRect& rect, const char* text)
{
    RECT r = {rect.left, rect.top, rect.right, rect.bottom};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    // The font goes back out of the context, so the last closing can delete it.
    HGDIOBJ previous = SelectObject(dc, skin.font);
    DrawTextA(dc, text, -1, &r, DT_CENTER);
    SelectObject(dc, previous);
}

void GdiSurface::excludeClip(const PanelRect& rect)
{
    if (rect.right > rect.left && rect.bottom > rect.top)
        ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
}

void GdiSurface::resetClip()
{
    SelectClipRgn(dc, nullptr);
}

WindowSurface::WindowSurface(HWND owner, const ModuleSkin& shared) : GdiSurface(GetDC(owner), shared), window(owner)
{
}

WindowSurface::~WindowSurface()
{
    if (dc != nullptr)
        ReleaseDC(window, dc);
}
