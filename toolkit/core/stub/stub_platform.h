// The stub platform: the toolkit without a window system, for native tests.
// Windows, surfaces and bitmaps are made-up handles; what would reach the
// screen is written to a log instead, and the mouse and the clock follow
// what the test scripts.
#pragma once

#include "toolkit/core/native_handles.h"
#include "toolkit/core/pixel_rect.h"

#include <cstdint>
#include <string>
#include <vector>

class PanelWindow;

namespace stub {

// One thing the toolkit did to a surface, window or class.
struct Event {
    std::string what;
    std::int32_t id = 0; // bitmap resource, or surface width
    PixelRect rect;
    PixelPoint point;
    NativeSurface surface = nullptr;
    std::string text;
};

// The state of the mouse while it stays in one place.
struct MouseFrame {
    PixelPoint position;
    std::int32_t buttons = 0;
};

// Back to an empty log, no bitmaps, no mouse, the clock at 0.
void reset();

std::vector<Event>& log();
// The events whose what is the given name, in order.
std::vector<Event> events(const std::string& what);

void setTickCount(std::uint32_t now);

// A resource the module pretends to hold.
void defineBitmap(std::int32_t resourceId, std::int32_t width, std::int32_t height);
std::int32_t liveBitmaps();

// The first frame is the state at the press; each getMousePosition moves on
// to the next frame, and past the last the buttons read 0.
void scriptMouse(const std::vector<MouseFrame>& frames);
std::int32_t mousePositionReads();

void failWindowCreation(bool fail);
std::int32_t liveWindows();
std::int32_t registeredClasses();
PanelWindow* panelOf(NativeWindow window);
// Surfaces acquired from windows and not yet released, plus offscreen ones.
std::int32_t liveSurfaces();

// The open edit box, if any: what the user typed into it, and the two
// ways the user ends an edit.
bool editBoxOpen();
std::string editBoxText();
void typeIntoEditBox(const std::string& text);
void pressReturnInEditBox();

// What the next pop-up menu answers: an entry index, or -1 for a menu
// closed without a choice. Menus answer -1 until a test says otherwise.
void scriptMenuChoice(std::int32_t choice);

} // namespace stub
