// The reverb editor's window procedure and meter timer. The window's user
// data names the effect, and the effect holds the open panel: a message
// that arrives after the panel closed finds none and changes nothing.
#pragma once

#include <windows.h>

// The private message of the meter tick, posted by the timer.
constexpr UINT MeterTickMessage = WM_USER + 5;
constexpr UINT_PTR MeterTimerId = 1;
constexpr UINT MeterTimerPeriod = 125;

LRESULT CALLBACK editorWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void CALLBACK meterTimerProcedure(HWND window, UINT message, UINT_PTR id, DWORD time);
