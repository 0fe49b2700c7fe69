// Real mouse input for GUI tests: SendInput, so the system's own button
// state follows (a window then sees MK_LBUTTON in its move messages, as it
// would under a hand). Positions are client coordinates of a window.
#pragma once

#include <windows.h>

// Moves the pointer onto (x, y) of window's client area.
void moveMouse(HWND window, int x, int y);
void pressLeft();
void releaseLeft();
// Press at from, move in steps to to, release; messages are pumped between.
void dragLeft(HWND window, POINT from, POINT to, int steps);
// Holds or lets go of the Shift key.
void holdShift(bool down);
