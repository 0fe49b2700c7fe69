// PanelWindow in real Win32 windows: the module's class, the child window
// with its panel in pointer-sized user data, paints, presses and the end of
// the window.
#include "tests/gui_support/host_window.h"
#include "tests/gui_support/window_pixels.h"
#include "tests/toolkit/win32_test_support.h"
#include "toolkit/core/painter.h"
#include "toolkit/core/panel_window.h"
#include "toolkit/core/panel_window_class.h"
#include "toolkit/core/skin_bitmap.h"

#include <doctest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string>& presses()
{
    static std::vector<std::string> list;
    return list;
}

class PressedWidget : public Widget {
public:
    explicit PressedWidget(const PixelRect& rect) : Widget(rect) {}
    void onMouseDown(Painter& painter, PixelPoint& where) override
    {
        presses().push_back(std::to_string(where.x) + "," + std::to_string(where.y) +
                            (painter.surface() != nullptr ? " with a surface" : " without"));
    }
};

std::string className()
{
    char name[32];
    std::snprintf(name, sizeof name, "Plugin%08x",
                  static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(GetModuleHandleA(nullptr))));
    return name;
}

bool classRegistered()
{
    WNDCLASSA info;
    return GetClassInfoA(GetModuleHandleA(nullptr), className().c_str(), &info) != 0;
}

PanelWindow* makePanel(HWND host, const PixelRect& rect)
{
    return new PanelWindow(rect, host, nullptr);
}

} // namespace

TEST_CASE("win32 panel window: a child window of the host at (0, 0), its panel in the user data")
{
    ThisModule module;
    HostWindow host(300, 200);
    PanelWindow* panel = makePanel(host.handle(), {40, 30, 240, 130});
    HWND window = static_cast<HWND>(panel->windowHandle());
    REQUIRE(window != nullptr);
    CHECK(GetParent(window) == host.handle());
    RECT placed{};
    GetWindowRect(window, &placed);
    CHECK(placed.left == 0);
    CHECK(placed.top == 0);
    CHECK(placed.right - placed.left == 200);
    CHECK(placed.bottom - placed.top == 100);
    CHECK((GetWindowLongPtrA(window, GWL_STYLE) & (WS_CHILD | WS_VISIBLE)) == (WS_CHILD | WS_VISIBLE));
    char caption[16] = {};
    GetWindowTextA(window, caption, sizeof caption);
    CHECK(std::string(caption) == "Window");
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    CHECK(std::string(name) == className());
    CHECK(GetWindowLongPtrA(window, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(panel));
    panel->destroy();
    CHECK_FALSE(IsWindow(window));
}

TEST_CASE("win32 panel window: one class for the module's panels, unregistered with the last")
{
    ThisModule module;
    HostWindow host(300, 200);
    CHECK_FALSE(classRegistered());
    PanelWindow* first = makePanel(host.handle(), {0, 0, 100, 100});
    PanelWindow* second = makePanel(host.handle(), {0, 0, 100, 100});
    CHECK(classRegistered());
    CHECK(panelWindowClassUsers() == 2);
    first->destroy();
    CHECK(classRegistered());
    second->destroy();
    CHECK_FALSE(classRegistered());
}

TEST_CASE("win32 panel window: it paints its background and routes presses to its widgets")
{
    ThisModule module;
    HostWindow host(514, 150);
    PanelWindow* panel = makePanel(host.handle(), {0, 0, 514, 150});
    SkinBitmap* background = new SkinBitmap(128);
    panel->setBackground(background);
    background->release();
    panel->addWidget(new PressedWidget({100, 50, 150, 80}));
    InvalidateRect(static_cast<HWND>(panel->windowHandle()), nullptr, FALSE);
    pumpUntil([panel] { return !panel->isFirstPaintPending(); }, 2000);
    CHECK_FALSE(panel->isFirstPaintPending());
    const WindowPicture picture = WindowPicture::capture(host.handle());
    CHECK(colourText(picture.pixel(300, 75)) == colourText(RGB(254, 221, 169)));
    CHECK(colourText(picture.pixel(16, 134)) == colourText(RGB(255, 255, 255)));

    presses().clear();
    HWND window = static_cast<HWND>(panel->windowHandle());
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 80));
    SendMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(100, 50));
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(151, 80));
    SendMessageA(window, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(120, 60));
    CHECK(presses() == std::vector<std::string>{"150,80 with a surface", "100,50 with a surface"});
    panel->destroy();
}

TEST_CASE("win32 panel window: when the host destroys its window first, the panel stops and still goes cleanly")
{
    ThisModule module;
    auto host = std::make_unique<HostWindow>(300, 200);
    PanelWindow* panel = makePanel(host->handle(), {0, 0, 100, 100});
    CHECK(panel->isOpen());
    host->destroy();
    CHECK_FALSE(panel->isOpen());
    CHECK(panel->hostWindow() == nullptr);
    panel->idleRedraw();
    panel->destroy();
    CHECK_FALSE(classRegistered());
}
