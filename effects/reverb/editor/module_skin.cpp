#include "effects/reverb/editor/module_skin.h"

#include "framework/module_state.h"

#include <commctrl.h>

#include <initializer_list>

namespace {

HINSTANCE instance()
{
    return static_cast<HINSTANCE>(moduleHandle);
}

} // namespace

HBRUSH ModuleSkin::brush(BarBrush which) const
{
    switch (which) {
    case BarBrush::Fill: return fillBrush;
    case BarBrush::Remainder: return remainderBrush;
    case BarBrush::DisabledFill: return disabledFillBrush;
    }
    return nullptr;
}

ModuleSkin& moduleSkin()
{
    static ModuleSkin skin;
    return skin;
}

bool registerEditorClass(WNDPROC procedure)
{
    InitCommonControls();
    WNDCLASSA windowClass = {};
    windowClass.style = 0;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance();
    windowClass.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOWFRAME + 1));
    windowClass.lpszClassName = EditorClassName;
    return RegisterClassA(&windowClass) != 0;
}

void unregisterEditorClass()
{
    UnregisterClassA(EditorClassName, instance());
}

void createSkinResources()
{
    ModuleSkin& skin = moduleSkin();
    for (int i = 0; i < SkinCount; ++i)
        skin.bitmaps[i] = LoadBitmapA(instance(), MAKEINTRESOURCEA(SkinLoadOrder[i]));
    if (skin.bitmap(SkinPanel) == nullptr)
        MessageBoxA(nullptr, "Not enough memory !", "Error", MB_OK);
    skin.fillBrush = CreateSolidBrush(RGB(133, 255, 255));
    skin.remainderBrush = CreateSolidBrush(RGB(2, 79, 105));
    skin.disabledFillBrush = CreateSolidBrush(RGB(66, 100, 122));
    skin.font = CreateFontA(14, 5, 0, 0, 0, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0, "Arial");
}

void destroySkinResources()
{
    ModuleSkin& skin = moduleSkin();
    for (HBITMAP& bitmap : skin.bitmaps) {
        if (bitmap != nullptr)
            DeleteObject(bitmap);
        bitmap = nullptr;
    }
    for (HBRUSH* brush : {&skin.fillBrush, &skin.remainderBrush, &skin.disabledFillBrush}) {
        if (*brush != nullptr)
            DeleteObject(*brush);
        *brush = nullptr;
    }
    if (skin.font != nullptr)
        DeleteObject(skin.font);
    skin.font = nullptr;
}

bool isLiveEditorWindow(void* window)
{
    HWND handle = static_cast<HWND>(window);
    if (!IsWindow(handle))
        return false;
    char name[16] = {};
    GetClassNameA(handle, name, sizeof name);
    return lstrcmpA(name, EditorClassName) == 0 &&
           reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(handle, GWLP_HINSTANCE)) == instance();
}

void destroyEditorWindow(void* window)
{
    DestroyWindow(static_cast<HWND>(window));
}
