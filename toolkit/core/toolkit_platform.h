// What the portable toolkit asks of a platform: a clock, the panel's window
// class and window, and a surface to draw into a window outside of a paint.
// Painter, OffscreenPainter and SkinBitmap's loading and drawing are the
// platform's too (their headers). One platform file set implements all of
// it: win32/ for the deliverables, stub/ for the native tests.
#pragma once

#include "toolkit/core/native_handles.h"

#include <cstdint>

class PanelWindow;

namespace platform {

// Milliseconds since some start, wrapping at 2^32.
std::uint32_t tickCount();

void registerPanelClass(const char* className);
void unregisterPanelClass(const char* className);

// A visible child window of the host's at (0, 0) whose messages reach the
// panel (PanelWindow::paintWith, pressWith, windowDestroyed). Null on failure.
NativeWindow createPanelWindow(const char* className, NativeWindow host, std::int32_t width, std::int32_t height,
                               PanelWindow* panel);
// Cuts the window off from its panel first, so messages sent while it goes
// find no panel.
void destroyPanelWindow(NativeWindow window);

NativeSurface acquireWindowSurface(NativeWindow window);
void releaseWindowSurface(NativeWindow window, NativeSurface surface);

} // namespace platform
