#include "tests/gui_support/mouse_input.h"

#include "tests/gui_support/host_window.h"

namespace {

void sendMouse(DWORD flags, LONG dx = 0, LONG dy = 0)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// The absolute coordinate (0 .. 65535) that lands on pixel p of a screen
// side of size pixels.
LONG normalised(int p, int size)
{
    return static_cast<LONG>((static_cast<long long>(p) * 65536 + size - 1) / size);
}

} // namespace

void moveMouse(HWND window, int x, int y)
{
    POINT target = {x, y};
    ClientToScreen(window, &target);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, normalised(target.x, width), normalised(target.y, height));
    POINT now = {};
    GetCursorPos(&now);
    // Systems round the absolute scale differently: a pixel off is put right
    // with a relative step.
    if (now.x != target.x || now.y != target.y)
        sendMouse(MOUSEEVENTF_MOVE, target.x - now.x, target.y - now.y);
    pumpPending();
}

void pressLeft()
{
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    pumpPending();
}

void releaseLeft()
{
    sendMouse(MOUSEEVENTF_LEFTUP);
    pumpPending();
}

void dragLeft(HWND window, POINT from, POINT to, int steps)
{
    moveMouse(window, from.x, from.y);
    pressLeft();
    for (int i = 1; i <= steps; ++i)
        moveMouse(window, from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps);
    releaseLeft();
}

void holdShift(bool down)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = VK_SHIFT;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
    pumpPending();
}
