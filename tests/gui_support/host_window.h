// HostWindow: the top-level window a host gives an editor to live in, at a
// known place on the screen, and the message pump that keeps it running.
#pragma once

#include <windows.h>

#include <functional>

class HostWindow {
public:
    // A visible, borderless window with a client area of width x height at
    // (left, top) on the screen.
    HostWindow(int width, int height, int left = 0, int top = 0);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND handle() const { return window; }
    // Destroys the window now, as a host does after closing an editor.
    void destroy();

private:
    HWND window = nullptr;
};

// Dispatches the thread's messages for about milliseconds.
void pumpMessages(int milliseconds);
// Dispatches messages until done() answers true or limitMilliseconds pass;
// answers done()'s last answer.
bool pumpUntil(const std::function<bool()>& done, int limitMilliseconds);
// Dispatches whatever is waiting, without waiting for more.
void pumpPending();
