// The window plughost gives an editor: a captioned top-level window with a
// client area of the editor's size. For a picture it is shown without taking
// the focus (under Wine with no window manager an activated window costs
// seconds to hide); for a person, as any new window. Closing it (the close
// box, Alt+F4) only asks: the host closes the editor first.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class EditorWindow {
public:
    EditorWindow(int width, int height, const std::string& title, bool activate);
    ~EditorWindow();
    EditorWindow(const EditorWindow&) = delete;
    EditorWindow& operator=(const EditorWindow&) = delete;

    HWND handle() const { return window; }
    void destroy();
    bool closeAsked() const { return closing; }

    // The client area as the screen shows it: rows top down, RGB bytes.
    std::vector<std::uint8_t> captureRgb(int& width, int& height) const;

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window = nullptr;
    bool closing = false;
};

// Dispatches whatever messages wait, without waiting for more.
void pumpPendingMessages();
