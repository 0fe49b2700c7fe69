#include "tools/plughost/editor_window_win32.h"

namespace {

const char* const WindowClassName = "PlughostEditorWindow";
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

void registerWindowClass(WNDPROC procedure)
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = WindowClassName;
    registered = RegisterClassA(&windowClass) != 0;
}

} // namespace

void pumpPendingMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

LRESULT CALLBACK EditorWindow::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE) {
        auto* self = reinterpret_cast<EditorWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self != nullptr)
            self->closing = true;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

EditorWindow::EditorWindow(int width, int height, const std::string& title, bool activate)
{
    registerWindowClass(windowProcedure);
    RECT frame = {0, 0, width, height};
    AdjustWindowRectEx(&frame, WindowStyle, FALSE, 0);
    window = CreateWindowExA(0, WindowClassName, title.c_str(), WindowStyle, 0, 0, frame.right - frame.left,
                             frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window != nullptr) {
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        if (activate)
            ShowWindow(window, SW_SHOWNORMAL);
        else
            SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        UpdateWindow(window);
    }
    pumpPendingMessages();
}

EditorWindow::~EditorWindow()
{
    destroy();
}

void EditorWindow::destroy()
{
    if (window != nullptr) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }
    window = nullptr;
    pumpPendingMessages();
}

std::vector<std::uint8_t> EditorWindow::captureRgb(int& width, int& height) const
{
    RECT client = {};
    GetClientRect(window, &client);
    width = client.right - client.left;
    height = client.bottom - client.top;
    std::vector<std::uint8_t> rgb;
    if (width <= 0 || height <= 0)
        return rgb;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib != nullptr) {
        HGDIOBJ previous = SelectObject(memory, dib);
        BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
        GdiFlush();
        const auto* source = static_cast<const std::uint8_t*>(bits);
        const std::size_t pixels = static_cast<std::size_t>(width) * height;
        rgb.resize(pixels * 3);
        for (std::size_t i = 0; i < pixels; ++i) {
            rgb[i * 3] = source[i * 4 + 2];
            rgb[i * 3 + 1] = source[i * 4 + 1];
            rgb[i * 3 + 2] = source[i * 4];
        }
        SelectObject(memory, previous);
        DeleteObject(dib);
    }
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return rgb;
}
