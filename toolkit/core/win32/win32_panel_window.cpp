// The panel's window on Win32: one class per module, child windows that hand
// paints, presses and their own end to their PanelWindow, and the clock.
// The panel lives in the window's user data, which is pointer-sized.
#include "framework/module_state.h"
#include "toolkit/core/panel_window.h"
#include "toolkit/core/toolkit_platform.h"

#include <windows.h>

namespace {

HINSTANCE moduleInstance()
{
    return static_cast<HINSTANCE>(moduleHandle);
}

PanelWindow* panelOf(HWND window)
{
    return reinterpret_cast<PanelWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT CALLBACK panelWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    PanelWindow* panel = panelOf(window);
    switch (message) {
    case WM_PAINT:
        if (panel != nullptr && GetUpdateRect(window, nullptr, FALSE)) {
            PAINTSTRUCT paint;
            HDC target = BeginPaint(window, &paint);
            panel->paintWith(target);
            EndPaint(window, &paint);
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        if (panel != nullptr) {
            HDC target = GetDC(window);
            const PixelPoint where{LOWORD(lParam), HIWORD(lParam)};
            panel->pressWith(target, where);
            ReleaseDC(window, target);
        }
        break;
    case WM_DESTROY:
        if (panel != nullptr)
            panel->windowDestroyed();
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

namespace platform {

std::uint32_t tickCount()
{
    return GetTickCount();
}

void registerPanelClass(const char* className)
{
    WNDCLASSA description{};
    description.style = 0;
    description.lpfnWndProc = panelWindowProcedure;
    description.hInstance = moduleInstance();
    description.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    description.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    description.lpszClassName = className;
    RegisterClassA(&description);
}

void unregisterPanelClass(const char* className)
{
    UnregisterClassA(className, moduleInstance());
}

NativeWindow createPanelWindow(const char* className, NativeWindow host, std::int32_t width, std::int32_t height,
                               PanelWindow* panel)
{
    HWND window = CreateWindowExA(0, className, "Window", WS_CHILD | WS_VISIBLE, 0, 0, width, height,
                                  static_cast<HWND>(host), nullptr, moduleInstance(), nullptr);
    if (window != nullptr)
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(panel));
    return window;
}

void destroyPanelWindow(NativeWindow handle)
{
    HWND window = static_cast<HWND>(handle);
    // The host may have destroyed it already, with its own window.
    if (!IsWindow(window))
        return;
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

NativeSurface acquireWindowSurface(NativeWindow window)
{
    return GetDC(static_cast<HWND>(window));
}

void releaseWindowSurface(NativeWindow window, NativeSurface surface)
{
    ReleaseDC(static_cast<HWND>(window), static_cast<HDC>(surface));
}

} // namespace platform
