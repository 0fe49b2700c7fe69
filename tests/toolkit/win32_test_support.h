// Helpers of the toolkit's Win32 tests: the test program stands in for the
// plug-in module (its resources carry the panner's bitmaps), and memory
// surfaces whose pixels can be read back.
#pragma once

#include "framework/module_state.h"

#include <windows.h>

#include <string>

// Makes this program the module the toolkit loads its bitmaps from.
struct ThisModule {
    ThisModule() { moduleHandle = GetModuleHandleA(nullptr); }
    ~ThisModule() { moduleHandle = nullptr; }
};

// A screen-compatible memory surface of width x height, filled with a colour.
class MemorySurface {
public:
    MemorySurface(int width, int height, COLORREF fill)
    {
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bitmap = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        previous = SelectObject(dc, bitmap);
        HBRUSH brush = CreateSolidBrush(fill);
        RECT all{0, 0, width, height};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
    }
    ~MemorySurface()
    {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    MemorySurface(const MemorySurface&) = delete;
    MemorySurface& operator=(const MemorySurface&) = delete;

    HDC dc;
    COLORREF pixel(int x, int y) const { return GetPixel(dc, x, y); }

private:
    HBITMAP bitmap;
    HGDIOBJ previous;
};

inline std::string rgbText(COLORREF colour)
{
    if (colour == CLR_INVALID)
        return "invalid";
    return std::to_string(GetRValue(colour)) + "," + std::to_string(GetGValue(colour)) + "," +
           std::to_string(GetBValue(colour));
}
