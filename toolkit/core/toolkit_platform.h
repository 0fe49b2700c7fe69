// What the portable toolkit asks of a platform: a clock, the panel's window
// class and window, and a surface to draw into a window outside of a paint.
// Painter, OffscreenPainter and SkinBitmap's loading and drawing are the
// platform's too (their headers). One platform file set implements all of
// it: win32/ for the deliverables, stub/ for the native tests.
#pragma once

#include "toolkit/core/native_handles.h"
#include "toolkit/core/pixel_rect.h"

#include <cstdint>

class PanelWindow;
class Widget;

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

// A native single-line edit box and the font it shows its text in.
struct NativeEditBox {
    NativeWindow window = nullptr;
    NativeObject font = nullptr;
};

// A visible edit box over rect (panel coordinates) of the panel's window,
// text centred, in the toolkit font of fontIndex, holding the keyboard
// focus. Return or the loss of the keyboard focus ends the edit: the owner's
// focusLost runs and its panel's focus widget is cleared. Only one edit box
// may be open at a time.
NativeEditBox openEditBox(NativeWindow panel, const PixelRect& rect, const char* text, std::int32_t fontIndex,
                          Widget* owner);
// Up to size - 1 characters, zero-terminated; a box already gone (its
// window destroyed with the host's) leaves the buffer as it was.
void readEditBox(const NativeEditBox& box, char* text, std::int32_t size);
void closeEditBox(const NativeEditBox& box);

// A pop-up menu whose item identifiers are the entry indices; an entry "-"
// is a separator, and the entry checked (or none, with -1) has a check mark.
NativeObject createPopupMenu(const char* const* entries, std::int32_t count, std::int32_t checked);
// Shows the menu with its top-left corner at a point of the panel's window
// and tracks it with the left button; answers the chosen index, or -1 when
// the menu closed without a choice. Presses that closed it are not passed on.
std::int32_t trackPopupMenu(NativeObject menu, NativeWindow panel, PixelPoint at);
void destroyPopupMenu(NativeObject menu);

} // namespace platform
