// The toolkit gallery in a real window under Wine: every control painted
// as its bitmaps say, and driven once with real input (SendInput mouse
// presses and drags; typing into the edit box with WM_CHAR, as the edit
// control takes it).
#include "framework/module_state.h"
#include "gallery_artwork.h"
#include "tests/gui_support/host_window.h"
#include "tests/gui_support/resource_census.h"
#include "tests/gui_support/window_pixels.h"
#include "tests/toolkit_controls/gallery_panel.h"
#include "toolkit/core/panel_window.h"

#include <doctest.h>

#include <memory>
#include <string>

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

// Pointer moves and button changes that leave the message queue alone, so
// they can run inside a control's drag loop or from another thread.
void pointerToScreen(int x, int y)
{
    const auto normalised = [](int p, int size) {
        return static_cast<LONG>((static_cast<long long>(p) * 65536 + size - 1) / size);
    };
    sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, normalised(x, GetSystemMetrics(SM_CXSCREEN)),
              normalised(y, GetSystemMetrics(SM_CYSCREEN)));
    POINT now = {};
    GetCursorPos(&now);
    if (now.x != x || now.y != y)
        sendMouse(MOUSEEVENTF_MOVE, x - now.x, y - now.y);
}

void pointerTo(HWND window, int x, int y)
{
    POINT target = {x, y};
    ClientToScreen(window, &target);
    pointerToScreen(target.x, target.y);
}

void leftButton(bool down)
{
    sendMouse(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
}

// Keys as typed: each character as a Unicode key press and release, which
// the edit control turns into WM_CHAR; a virtual key likewise.
void typeText(const std::string& text)
{
    for (char c : text) {
        INPUT input[2] = {};
        for (INPUT& key : input) {
            key.type = INPUT_KEYBOARD;
            key.ki.wScan = static_cast<WORD>(c);
            key.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        SendInput(2, input, sizeof(INPUT));
    }
}

void typeKey(WORD virtualKey)
{
    INPUT input[2] = {};
    for (INPUT& key : input) {
        key.type = INPUT_KEYBOARD;
        key.ki.wVk = virtualKey;
    }
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

struct Pixel {
    int x, y;
    COLORREF colour;
};

class OpenGallery {
public:
    OpenGallery()
    {
        moduleHandle = GetModuleHandleA(nullptr);
        GalleryHost::instance() = GalleryHost{};
        effect = new GalleryEffect;
        editor = new GalleryEditor(effect);
        host = std::make_unique<HostWindow>(GalleryWidth, GalleryHeight);
        editor->openWindow(host->handle());
        pumpUntil([this] { return !editor->panelWindow()->isFirstPaintPending(); }, 3000);
    }
    ~OpenGallery()
    {
        editor->closeWindow();
        host->destroy();
        effect->destroy();
        moduleHandle = nullptr;
    }
    OpenGallery(const OpenGallery&) = delete;
    OpenGallery& operator=(const OpenGallery&) = delete;

    HWND panel() const { return static_cast<HWND>(editor->panelWindow()->windowHandle()); }
    WindowPicture picture() const { return WindowPicture::capture(host->handle()); }
    // The host's idle call: changed controls redraw.
    void idle() const
    {
        editor->idleTick();
        pumpPending();
    }

    void check(const std::vector<Pixel>& pixels) const
    {
        const WindowPicture now = picture();
        for (const Pixel& p : pixels) {
            CAPTURE(p.x);
            CAPTURE(p.y);
            CHECK(colourText(now.pixel(p.x, p.y)) == colourText(p.colour));
        }
    }

    // A left press at (x, y) of the panel. Steps run one per HostIdle while
    // a control holds the mouse; then the button goes up. A control that
    // does not hold the mouse gets its button up after the press.
    void press(int x, int y, std::vector<std::function<void()>> stepsWhileHeld = {})
    {
        GalleryHost& log = GalleryHost::instance();
        log.idleSteps = stepsWhileHeld;
        log.idleSteps.push_back([] { leftButton(false); });
        pointerTo(panel(), x, y);
        pumpPending();
        leftButton(true);
        pumpPending();
        pumpUntil([&log] { return log.idleSteps.empty(); }, 300);
        if (!log.idleSteps.empty()) {
            log.idleSteps.clear();
            leftButton(false);
        }
        pumpPending();
    }

    std::vector<float> reports(std::int32_t tag) const
    {
        std::vector<float> values;
        for (const GalleryReport& report : GalleryHost::instance().reports)
            if (report.tag == tag)
                values.push_back(report.value);
        return values;
    }

    GalleryEffect* effect;
    GalleryEditor* editor;
    std::unique_ptr<HostWindow> host;
};

int countPixels(const WindowPicture& picture, const PixelRect& box, COLORREF colour)
{
    int count = 0;
    for (int y = box.top; y <= box.bottom; ++y)
        for (int x = box.left; x <= box.right; ++x)
            count += picture.pixel(x, y) == colour ? 1 : 0;
    return count;
}

HWND editBoxOf(HWND panel)
{
    return FindWindowExA(panel, nullptr, "Edit", nullptr);
}

// Clicks an entry of the pop-up menu that the main thread is about to open,
// or, for entry -1, beside the menu; from a thread of its own, because the
// main thread sits in the menu's loop meanwhile.
struct MenuClick {
    int entry;
    POINT beside;
    RECT menuWindow{};
    COLORREF controlWhileOpen = CLR_INVALID;
    HWND host;
    HANDLE thread = nullptr;

    static DWORD WINAPI run(void* argument)
    {
        auto* click = static_cast<MenuClick*>(argument);
        HWND popup = nullptr;
        for (int tries = 0; tries < 200 && popup == nullptr; ++tries) {
            Sleep(10);
            HWND found = FindWindowA("#32768", nullptr);
            if (found != nullptr && IsWindowVisible(found))
                popup = found;
        }
        if (popup == nullptr) {
            leftButton(false);
            return 1;
        }
        Sleep(50);
        leftButton(false);
        Sleep(50);
        GetWindowRect(popup, &click->menuWindow);
        click->controlWhileOpen = WindowPicture::capture(click->host).pixel(280, 25);
        POINT target = click->beside;
        if (click->entry >= 0) {
            auto menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
            RECT item{};
            GetMenuItemRect(nullptr, menu, static_cast<UINT>(click->entry), &item);
            target = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
        }
        pointerToScreen(target.x, target.y);
        Sleep(50);
        leftButton(true);
        Sleep(20);
        leftButton(false);
        return 0;
    }

    void start() { thread = CreateThread(nullptr, 0, run, this, 0, nullptr); }
    void finish()
    {
        WaitForSingleObject(thread, 5000);
        CloseHandle(thread);
    }
};

} // namespace

TEST_CASE("toolkit gallery: every control painted from its bitmaps at its starting value")
{
    OpenGallery gallery;
    gallery.check({
        {355, 225, Backdrop},         {12, 12, RGB(20, 24, 32)}, // value display box
        {10, 10, RGB(120, 130, 150)},                            // and its outline
        {102, 12, RGB(30, 40, 90)},                              // text field
        {202, 12, RGB(70, 30, 30)},                              // choice menu
        {306, 20, RGB(60, 30, 30)},                              // digit 0: no middle bar
        {319, 20, DigitOn},                                      // digit 4: a middle bar
        {30, 60, LatchOff},           {90, 60, RockerMiddle},    {150, 60, ToggleOff},
        {200, 60, MomentaryOff},      {245, 65, Backdrop},     // a stopped animation shows nothing
        {285, 65, ViewFrame[2]},      {33, 123, KnobHandle},   // value 0.5: the handle on top
        {30, 120, Backdrop},                                   // its white corner lets the background through
        {34, 150, RGB(90, 94, 110)},                           // the face
        {72, 126, KnobFrame[1]},      {130, 135, SwitchLever}, // middle position
        {157, 130, SwitchLever},                               // left position
        {228, 122, LedOff},                                    // 0.7: three LEDs dark
        {228, 152, LedYellow},        {228, 212, LedGreen},      {252, 132, RGB(200, 205, 215)}, // sunken display
    });
    const WindowPicture picture = gallery.picture();
    CHECK(countPixels(picture, {11, 11, 89, 29}, RGB(255, 255, 255)) > 10);    // "0.75"
    CHECK(countPixels(picture, {101, 11, 189, 29}, RGB(255, 255, 255)) > 10);  // "Hall"
    CHECK(countPixels(picture, {251, 131, 349, 151}, RGB(20, 24, 32)) > 10);   // "-6.0 dB"
    CHECK(countPixels(picture, {251, 131, 349, 151}, RGB(150, 155, 170)) > 5); // and its shadow
}

TEST_CASE("toolkit gallery: value display, digit display, view and meter follow values set from outside")
{
    OpenGallery gallery;
    gallery.editor->display->setFontColour(colourYellow);
    gallery.editor->digits->setValue(1234.0f);
    gallery.editor->view->setValue(1.0f);
    gallery.editor->meter->setDecreaseStep(0.3f);
    gallery.editor->meter->setValue(0.0f);
    gallery.idle();
    const WindowPicture picture = gallery.picture();
    CHECK(countPixels(picture, {11, 11, 89, 29}, RGB(255, 255, 0)) > 10);
    CHECK(countPixels(picture, {11, 11, 89, 29}, RGB(255, 255, 255)) == 0);
    // 999, and the meter down by one step: 0.4, six LEDs dark.
    gallery.check({{306, 20, DigitOn}, {285, 65, ViewFrame[3]}, {228, 172, LedOff}, {228, 182, LedGreen}});
    gallery.idle();
    gallery.check({{228, 202, LedOff}, {228, 212, LedGreen}});
}

TEST_CASE("toolkit gallery: text field edited in its edit box, ended by Return and by a click elsewhere")
{
    OpenGallery gallery;
    gallery.press(120, 20);
    HWND edit = editBoxOf(gallery.panel());
    REQUIRE(edit != nullptr);
    CHECK(gallery.editor->panelWindow()->focusWidget() == gallery.editor->text);
    RECT box{};
    GetWindowRect(edit, &box);
    MapWindowPoints(HWND_DESKTOP, gallery.panel(), reinterpret_cast<POINT*>(&box), 2);
    CHECK(box.left == 100);
    CHECK(box.top == 10);
    CHECK(box.right - box.left == 91);
    CHECK(box.bottom - box.top == 21);
    char shown[64] = {};
    GetWindowTextA(edit, shown, sizeof shown);
    CHECK(std::string(shown) == "Hall");

    SendMessageA(edit, EM_SETSEL, 0, -1);
    for (char c : std::string("Cave"))
        SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 1);
    SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
    pumpPending();
    CHECK_FALSE(IsWindow(edit));
    CHECK(std::string(gallery.editor->text->currentText()) == "Cave");
    CHECK(gallery.reports(TagText).size() == 1);
    CHECK(gallery.editor->panelWindow()->focusWidget() == nullptr);
    CHECK(countPixels(gallery.picture(), {101, 11, 189, 29}, RGB(255, 255, 255)) > 10);

    // Unchanged and ended by a real click on the bare panel: nobody is told.
    gallery.press(120, 20);
    edit = editBoxOf(gallery.panel());
    REQUIRE(edit != nullptr);
    gallery.press(300, 200);
    CHECK_FALSE(IsWindow(edit));
    CHECK(gallery.reports(TagText).size() == 1);
    CHECK(gallery.editor->panelWindow()->focusWidget() == nullptr);
}

TEST_CASE("toolkit gallery: text field typed into with real keys and ended by Return")
{
    OpenGallery gallery;
    gallery.press(120, 20);
    HWND edit = editBoxOf(gallery.panel());
    REQUIRE(edit != nullptr);
    CHECK(GetFocus() == edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    typeText("Plate");
    pumpUntil(
        [edit] {
            char typed[16] = {};
            GetWindowTextA(edit, typed, sizeof typed);
            return std::string(typed) == "Plate";
        },
        1000);
    typeKey(VK_RETURN);
    pumpUntil([edit] { return !IsWindow(edit); }, 1000);
    CHECK_FALSE(IsWindow(edit));
    CHECK(std::string(gallery.editor->text->currentText()) == "Plate");
    CHECK(gallery.reports(TagText).size() == 1);
}

TEST_CASE("toolkit gallery: choice menu chosen from its pop-up, and closed without a choice")
{
    OpenGallery gallery;
    POINT panelOrigin{0, 0};
    ClientToScreen(gallery.panel(), &panelOrigin);

    MenuClick choose{3, {0, 0}, {}, CLR_INVALID, gallery.host->handle()};
    choose.start();
    gallery.press(240, 20);
    choose.finish();
    CHECK(choose.menuWindow.left == panelOrigin.x + 200);
    CHECK(choose.menuWindow.top == panelOrigin.y + 30);
    CHECK(colourText(choose.controlWhileOpen) == colourText(MenuPressed));
    CHECK(gallery.editor->menu->getCurrent() == 3);
    CHECK(gallery.reports(TagMenu).size() == 1);
    gallery.check({{280, 25, RGB(70, 30, 30)}});
    CHECK(gallery.editor->panelWindow()->focusWidget() == nullptr);

    MenuClick cancel{-1, {panelOrigin.x + 330, panelOrigin.y + 210}, {}, CLR_INVALID, gallery.host->handle()};
    cancel.start();
    gallery.press(240, 20);
    cancel.finish();
    CHECK(colourText(cancel.controlWhileOpen) == colourText(MenuPressed));
    CHECK(gallery.editor->menu->getCurrent() == 3);
    CHECK(gallery.reports(TagMenu).size() == 1);
    gallery.check({{280, 25, RGB(70, 30, 30)}});
}

TEST_CASE("toolkit gallery: latch, rocker, toggle and momentary buttons under real clicks")
{
    OpenGallery gallery;
    gallery.press(30, 60);
    gallery.check({{30, 60, LatchOn}});
    gallery.press(30, 60);
    gallery.check({{30, 60, LatchOff}});
    CHECK(gallery.reports(TagLatch) == std::vector<float>{1.0f, 0.0f});

    COLORREF rockerHeld = CLR_INVALID;
    gallery.press(70, 60, {[&] { rockerHeld = gallery.picture().pixel(90, 60); }});
    CHECK(colourText(rockerHeld) == colourText(RockerLeft));
    gallery.check({{90, 60, RockerMiddle}});
    CHECK(gallery.reports(TagRocker) == std::vector<float>{-1.0f, 0.0f});

    gallery.press(150, 60);
    gallery.check({{150, 60, ToggleOn}});
    CHECK(gallery.reports(TagToggle) == std::vector<float>{1.0f});

    COLORREF momentaryHeld = CLR_INVALID;
    gallery.press(200, 60, {[&] { momentaryHeld = gallery.picture().pixel(200, 60); }});
    CHECK(colourText(momentaryHeld) == colourText(MomentaryOn));
    gallery.check({{200, 60, MomentaryOff}});
    CHECK(gallery.reports(TagMomentary) == std::vector<float>{1.0f, 0.0f});
}

TEST_CASE("toolkit gallery: knobs and step switches follow a held pointer")
{
    OpenGallery gallery;
    // The knob's centre is (34, 144): to its right is five sixths of the way.
    gallery.press(34, 124, {[&] { pointerTo(gallery.panel(), 54, 144); }});
    CHECK(gallery.reports(TagKnob).size() == 1);
    CHECK(gallery.editor->knob->getValue() == doctest::Approx(5.0f / 6.0f));
    gallery.check({{53, 143, KnobHandle}, {33, 123, KnobFace}});

    gallery.press(90, 126, {[&] { pointerTo(gallery.panel(), 71, 144); }});
    CHECK(gallery.editor->stripKnob->getValue() == doctest::Approx(1.0f / 6.0f));
    gallery.check({{72, 126, KnobFrame[0]}});

    gallery.press(130, 145);
    CHECK(gallery.reports(TagVerticalSwitch) == std::vector<float>{1.0f});
    gallery.check({{130, 143, SwitchLever}, {130, 135, SwitchBody}});

    gallery.press(205, 130, {[&] { pointerTo(gallery.panel(), 175, 130); }});
    CHECK(gallery.reports(TagHorizontalSwitch) == std::vector<float>{1.0f, 0.5f});
    gallery.check({{177, 130, SwitchLever}, {157, 130, SwitchBody}, {197, 130, SwitchBody}});
}

TEST_CASE("toolkit gallery: a click starts the animation, ticks step it, a second click stops it")
{
    OpenGallery gallery;
    gallery.press(245, 65);
    CHECK(gallery.editor->animation->isRunning());
    CHECK(gallery.reports(TagAnimation).size() == 1);
    gallery.check({{245, 65, AnimationFrame[0]}});
    gallery.editor->animation->nextFrame();
    gallery.idle();
    gallery.check({{245, 65, AnimationFrame[1]}});
    gallery.press(245, 65);
    CHECK_FALSE(gallery.editor->animation->isRunning());
    CHECK(gallery.editor->animation->getValue() == 0.0f);
    gallery.check({{245, 65, AnimationFrame[0]}});
    CHECK(gallery.reports(TagAnimation).size() == 1);
}

TEST_CASE("toolkit gallery: opening, editing, choosing and closing leave no GDI object or window behind")
{
    // One round first, so that what Wine makes on first use is not counted.
    const auto round = [](int menuEntry) {
        OpenGallery gallery;
        gallery.press(120, 20);
        HWND edit = editBoxOf(gallery.panel());
        REQUIRE(edit != nullptr);
        SendMessageA(edit, WM_CHAR, 'x', 1);
        SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
        POINT origin{0, 0};
        ClientToScreen(gallery.panel(), &origin);
        MenuClick click{menuEntry, {origin.x + 330, origin.y + 210}, {}, CLR_INVALID, gallery.host->handle()};
        click.start();
        gallery.press(240, 20);
        click.finish();
        gallery.press(30, 60);
        gallery.press(34, 124, {[&] { pointerTo(gallery.panel(), 54, 144); }});
        gallery.idle();
    };
    round(0);
    const ResourceCount before = countResources();
    round(3);
    round(-1);
    const ResourceCount after = countResources();
    CAPTURE(newGdiObjects(before, after));
    CHECK(after.gdiObjects == before.gdiObjects);
    CHECK(after.windows == before.windows);
}

TEST_CASE("toolkit gallery: the host destroying its window while the text field edits keeps the typed text")
{
    OpenGallery gallery;
    gallery.press(120, 20);
    HWND edit = editBoxOf(gallery.panel());
    REQUIRE(edit != nullptr);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    for (char c : std::string("Room"))
        SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 1);
    gallery.host->destroy();
    pumpPending();
    CHECK_FALSE(IsWindow(edit));
    CHECK(std::string(gallery.editor->text->currentText()) == "Room");
    CHECK(gallery.reports(TagText).size() == 1);
    CHECK_FALSE(gallery.editor->text->isEditing());
}
