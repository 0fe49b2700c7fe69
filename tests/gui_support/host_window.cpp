#include "tests/gui_support/host_window.h"

namespace {

const char* const HostClassName = "GuiTestHostWindow";

void registerHostClass()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = HostClassName;
    registered = RegisterClassA(&windowClass) != 0;
}

} // namespace

HostWindow::HostWindow(int width, int height, int left, int top)
{
    registerHostClass();
    window = CreateWindowExA(WS_EX_TOPMOST, HostClassName, "host", WS_POPUP | WS_CLIPCHILDREN, left, top, width,
                             height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    // Shown without activation: under Wine an activated window is handed to
    // the window manager, and with none (Xvfb) hiding it waits two seconds.
    if (window != nullptr) {
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        UpdateWindow(window);
    }
    pumpPending();
}

HostWindow::~HostWindow()
{
    destroy();
}

void HostWindow::destroy()
{
    if (window != nullptr)
        DestroyWindow(window);
    window = nullptr;
    pumpPending();
}

void pumpPending()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool pumpUntil(const std::function<bool()>& done, int limitMilliseconds)
{
    const DWORD start = GetTickCount();
    for (;;) {
        pumpPending();
        if (done())
            return true;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= static_cast<DWORD>(limitMilliseconds))
            return done();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(limitMilliseconds) - elapsed, QS_ALLINPUT);
    }
}

void pumpMessages(int milliseconds)
{
    pumpUntil([] { return false; }, milliseconds);
}
