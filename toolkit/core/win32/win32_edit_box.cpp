// The text field's edit box on Win32: an "EDIT" child of the panel's window
// whose window procedure is replaced, so that Return and the loss of the
// keyboard focus end the edit. The replaced procedure has one process-wide
// slot: one edit box at a time.
#include "framework/module_state.h"
#include "toolkit/core/panel_window.h"
#include "toolkit/core/toolkit_font.h"
#include "toolkit/core/toolkit_platform.h"

#include <windows.h>

#include <cstring>

namespace {

WNDPROC previousEditProcedure = nullptr;

void endEdit(HWND window)
{
    Widget* owner = reinterpret_cast<Widget*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (owner == nullptr)
        return;
    // Cut the box off first: ending the edit destroys it, and its last
    // messages must not end it a second time.
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    owner->focusLost();
    if (owner->parent() != nullptr)
        owner->parent()->setFocusWidget(nullptr);
}

LRESULT CALLBACK editBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC forward = previousEditProcedure;
    if (message == WM_KILLFOCUS || (message == WM_KEYDOWN && wParam == VK_RETURN)) {
        endEdit(window);
        if (!IsWindow(window))
            return 0;
    }
    return CallWindowProcA(forward, window, message, wParam, lParam);
}

} // namespace

namespace platform {

NativeEditBox openEditBox(NativeWindow panel, const PixelRect& rect, const char* text, std::int32_t fontIndex,
                          Widget* owner)
{
    NativeEditBox box;
    HWND window = CreateWindowExA(0, "EDIT", text, WS_CHILD | WS_VISIBLE | ES_CENTER | ES_AUTOHSCROLL, rect.left,
                                  rect.top, rect.width() + 1, rect.height() + 1, static_cast<HWND>(panel), nullptr,
                                  static_cast<HINSTANCE>(moduleHandle), nullptr);
    if (window == nullptr)
        return box;
    const ToolkitFont chosen = chooseToolkitFont(fontIndex, 0);
    LOGFONTA description;
    std::memset(&description, 0, sizeof description);
    description.lfHeight = -chosen.size;
    description.lfWeight = FW_NORMAL;
    description.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    std::strncpy(description.lfFaceName, chosen.face, LF_FACESIZE - 1);
    HFONT font = CreateFontIndirectA(&description);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SendMessageA(window, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 0));
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    previousEditProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editBoxProcedure)));
    SetFocus(window);
    box.window = window;
    box.font = font;
    return box;
}

void readEditBox(const NativeEditBox& box, char* text, std::int32_t size)
{
    HWND window = static_cast<HWND>(box.window);
    if (size <= 0 || window == nullptr || !IsWindow(window))
        return;
    text[0] = '\0';
    GetWindowTextA(window, text, size);
}

void closeEditBox(const NativeEditBox& box)
{
    HWND window = static_cast<HWND>(box.window);
    if (window != nullptr && IsWindow(window)) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }
    if (box.font != nullptr)
        DeleteObject(box.font);
}

} // namespace platform
