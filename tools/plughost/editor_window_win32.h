// The window plughost gives an editor: a captioned top-level window with a
// client area of the editor's size, shown without taking the focus (under
// Wine with no window manager an activated window costs seconds to hide).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class EditorWindow {
public:
    EditorWindow(int width, int height, const std::string& title);
    ~EditorWindow();
    EditorWindow(const EditorWindow&) = delete;
    EditorWindow& operator=(const EditorWindow&) = delete;

    HWND handle() const { return window; }
    void destroy();

    // The client area as the screen shows it: rows top down, RGB bytes.
    std::vector<std::uint8_t> captureRgb(int& width, int& height) const;

private:
    HWND window = nullptr;
};

// Dispatches whatever messages wait, without waiting for more.
void pumpPendingMessages();
