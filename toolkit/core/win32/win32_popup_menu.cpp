// The choice menu's pop-up on Win32. TrackPopupMenu answers whether a choice
// was made and posts the choice as a command to the panel's window; the
// command is taken from the queue here, with the presses that closed the
// menu, so the panel never sees them.
#include "toolkit/core/toolkit_platform.h"

#include <windows.h>

#include <cstring>

namespace platform {

NativeObject createPopupMenu(const char* const* entries, std::int32_t count, std::int32_t checked)
{
    HMENU menu = CreatePopupMenu();
    if (menu == nullptr)
        return nullptr;
    for (std::int32_t i = 0; i < count; ++i) {
        if (std::strcmp(entries[i], "-") == 0) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const UINT flags = MF_STRING | (i == checked ? MF_CHECKED : MF_UNCHECKED);
        AppendMenuA(menu, flags, static_cast<UINT_PTR>(i), entries[i]);
    }
    return menu;
}

std::int32_t trackPopupMenu(NativeObject menu, NativeWindow panel, PixelPoint at)
{
    HWND window = static_cast<HWND>(panel);
    if (menu == nullptr)
        return -1;
    POINT corner{at.x, at.y};
    ClientToScreen(window, &corner);
    std::int32_t choice = -1;
    if (TrackPopupMenu(static_cast<HMENU>(menu), TPM_LEFTALIGN | TPM_LEFTBUTTON, corner.x, corner.y, 0, window,
                       nullptr)) {
        MSG command;
        if (PeekMessageA(&command, window, WM_COMMAND, WM_COMMAND, PM_REMOVE) && command.wParam < 65536)
            choice = static_cast<std::int32_t>(LOWORD(command.wParam));
    }
    MSG press;
    for (int i = 0; i < 2; ++i)
        PeekMessageA(&press, window, WM_LBUTTONDOWN, WM_MBUTTONUP, PM_REMOVE);
    return choice;
}

void destroyPopupMenu(NativeObject menu)
{
    if (menu != nullptr)
        DestroyMenu(static_cast<HMENU>(menu));
}

} // namespace platform
