#include "tests/reverb_editor/editor_test_host.h"

#include <string>

namespace {

// Wine reaches the build machine's files through drive Z.
std::string hostPath(const char* path)
{
    return path[0] == '/' ? std::string("Z:") + path : std::string(path);
}

BOOL CALLBACK findEditor(HWND window, LPARAM found)
{
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, "MiralteaVerb") == 0) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

LoadedPlugin& reverbPlugin()
{
    static LoadedPlugin plugin(hostPath(REVERB_PLUGIN_PATH));
    return plugin;
}

HWND findEditorWindow(HWND parent)
{
    HWND found = nullptr;
    if (parent != nullptr)
        EnumChildWindows(parent, findEditor, reinterpret_cast<LPARAM>(&found));
    return found;
}

COLORREF skinPixel(int resourceId, int x, int y)
{
    HBITMAP bitmap = LoadBitmapA(reverbPlugin().module(), MAKEINTRESOURCEA(resourceId));
    if (bitmap == nullptr)
        return CLR_INVALID;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const COLORREF colour = GetPixel(memory, x, y);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    return colour;
}

bool editorClassRegistered()
{
    WNDCLASSA info;
    return GetClassInfoA(reverbPlugin().module(), "MiralteaVerb", &info) != 0;
}

OpenEditor::OpenEditor(int left, int top)
{
    record = reverbPlugin().newEffect();
    if (record == nullptr)
        return;
    dispatch(record, OpOpen);
    hostWindow = std::make_unique<HostWindow>(512, 256, left, top);
    opened = openEditor(record, hostWindow->handle());
    pumpPending();
}

OpenEditor::~OpenEditor()
{
    close();
    if (record != nullptr)
        closeEffect(record);
}

void OpenEditor::close()
{
    if (opened)
        closeEditor(record);
    opened = false;
    if (hostWindow)
        hostWindow->destroy();
}

WindowPicture OpenEditor::picture() const
{
    HWND window = editor();
    pumpUntil([window] { return !GetUpdateRect(window, nullptr, FALSE); }, 2000);
    return WindowPicture::capture(window);
}
