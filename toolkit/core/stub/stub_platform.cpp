#include "toolkit/core/stub/stub_platform.h"

#include "toolkit/core/offscreen_painter.h"
#include "toolkit/core/painter.h"
#include "toolkit/core/skin_bitmap.h"
#include "toolkit/core/toolkit_font.h"
#include "toolkit/core/toolkit_platform.h"
#include "toolkit/core/panel_window.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

struct StubState {
    std::vector<stub::Event> log;
    std::uint32_t tick = 0;
    std::map<std::int32_t, PixelPoint> bitmaps;
    std::int32_t liveBitmaps = 0;
    std::vector<stub::MouseFrame> mouse;
    std::size_t mouseFrame = 0;
    std::int32_t mouseReads = 0;
    bool failWindows = false;
    std::map<NativeWindow, PanelWindow*> windows;
    std::set<std::string> classes;
    std::int32_t liveSurfaces = 0;
    std::uintptr_t nextHandle = 0x1000;
    platform::NativeEditBox editBox;
    Widget* editOwner = nullptr;
    std::string editText;
    std::int32_t menuChoice = -1;
};

StubState& state()
{
    static StubState s;
    return s;
}

void* makeHandle()
{
    state().nextHandle += 0x10;
    return reinterpret_cast<void*>(state().nextHandle);
}

void record(const char* what, NativeSurface surface, PixelRect rect = {}, PixelPoint point = {}, std::int32_t id = 0,
            const char* text = "")
{
    stub::Event event;
    event.what = what;
    event.surface = surface;
    event.rect = rect;
    event.point = point;
    event.id = id;
    event.text = text;
    state().log.push_back(event);
}

} // namespace

namespace stub {

void reset()
{
    StubState& s = state();
    s.log.clear();
    s.tick = 0;
    s.bitmaps.clear();
    s.mouse.clear();
    s.mouseFrame = 0;
    s.mouseReads = 0;
    s.failWindows = false;
    s.editBox = {};
    s.editOwner = nullptr;
    s.editText.clear();
    s.menuChoice = -1;
}

std::vector<Event>& log()
{
    return state().log;
}

std::vector<Event> events(const std::string& what)
{
    std::vector<Event> found;
    for (const Event& event : state().log)
        if (event.what == what)
            found.push_back(event);
    return found;
}

void setTickCount(std::uint32_t now)
{
    state().tick = now;
}

void defineBitmap(std::int32_t resourceId, std::int32_t width, std::int32_t height)
{
    state().bitmaps[resourceId] = {width, height};
}

std::int32_t liveBitmaps()
{
    return state().liveBitmaps;
}

void scriptMouse(const std::vector<MouseFrame>& frames)
{
    state().mouse = frames;
    state().mouseFrame = 0;
    state().mouseReads = 0;
}

std::int32_t mousePositionReads()
{
    return state().mouseReads;
}

void failWindowCreation(bool fail)
{
    state().failWindows = fail;
}

std::int32_t liveWindows()
{
    return static_cast<std::int32_t>(state().windows.size());
}

std::int32_t registeredClasses()
{
    return static_cast<std::int32_t>(state().classes.size());
}

PanelWindow* panelOf(NativeWindow window)
{
    auto found = state().windows.find(window);
    return found == state().windows.end() ? nullptr : found->second;
}

std::int32_t liveSurfaces()
{
    return state().liveSurfaces;
}

bool editBoxOpen()
{
    return state().editBox.window != nullptr;
}

std::string editBoxText()
{
    return state().editText;
}

void typeIntoEditBox(const std::string& text)
{
    state().editText = text;
}

void pressReturnInEditBox()
{
    Widget* owner = state().editOwner;
    if (owner == nullptr)
        return;
    owner->focusLost();
    if (owner->parent() != nullptr)
        owner->parent()->setFocusWidget(nullptr);
}

void scriptMenuChoice(std::int32_t choice)
{
    state().menuChoice = choice;
}

} // namespace stub

// The platform contract.

namespace platform {

std::uint32_t tickCount()
{
    return state().tick;
}

void registerPanelClass(const char* className)
{
    state().classes.insert(className);
    record("class.register", nullptr, {}, {}, 0, className);
}

void unregisterPanelClass(const char* className)
{
    state().classes.erase(className);
    record("class.unregister", nullptr, {}, {}, 0, className);
}

NativeWindow createPanelWindow(const char* className, NativeWindow host, std::int32_t width, std::int32_t height,
                               PanelWindow* panel)
{
    if (state().failWindows || state().classes.count(className) == 0)
        return nullptr;
    NativeWindow window = makeHandle();
    state().windows[window] = panel;
    record("window.create", host, {0, 0, width, height}, {}, 0, className);
    return window;
}

void destroyPanelWindow(NativeWindow window)
{
    state().windows.erase(window);
    record("window.destroy", window);
}

NativeSurface acquireWindowSurface(NativeWindow window)
{
    ++state().liveSurfaces;
    NativeSurface surface = makeHandle();
    record("surface.acquire", surface, {}, {}, 0);
    (void)window;
    return surface;
}

void releaseWindowSurface(NativeWindow, NativeSurface surface)
{
    --state().liveSurfaces;
    record("surface.release", surface);
}

NativeEditBox openEditBox(NativeWindow panel, const PixelRect& rect, const char* text, std::int32_t fontIndex,
                          Widget* owner)
{
    StubState& s = state();
    s.editBox.window = makeHandle();
    s.editBox.font = makeHandle();
    s.editOwner = owner;
    s.editText = text;
    record("edit.open", panel, rect, {}, fontIndex, text);
    return s.editBox;
}

void readEditBox(const NativeEditBox& box, char* text, std::int32_t size)
{
    if (size <= 0 || box.window == nullptr || box.window != state().editBox.window)
        return;
    const std::string& typed = state().editText;
    const std::size_t length = std::min(typed.size(), static_cast<std::size_t>(size - 1));
    typed.copy(text, length);
    text[length] = '\0';
}

void closeEditBox(const NativeEditBox& box)
{
    StubState& s = state();
    if (box.window != s.editBox.window)
        return;
    record("edit.close", box.window);
    s.editBox = {};
    s.editOwner = nullptr;
}

NativeObject createPopupMenu(const char* const* entries, std::int32_t count, std::int32_t checked)
{
    std::string items;
    for (std::int32_t i = 0; i < count; ++i)
        items += (i == 0 ? "" : "|") + std::string(entries[i]);
    NativeObject menu = makeHandle();
    record("menu.create", nullptr, {}, {}, checked, items.c_str());
    return menu;
}

std::int32_t trackPopupMenu(NativeObject, NativeWindow panel, PixelPoint at)
{
    record("menu.track", panel, {}, at, state().menuChoice);
    return state().menuChoice;
}

void destroyPopupMenu(NativeObject)
{
    record("menu.destroy", nullptr);
}

} // namespace platform

// Painter: the state is kept as on a real surface; drawing goes to the log.

Painter::Painter(PanelWindow* panel, NativeSurface surface, NativeWindow window)
    : deviceContext(surface), windowHandle(window), ownerPanel(panel)
{
    if (deviceContext != nullptr) {
        setFrameColour(currentFrameColour);
        setLineStyle(currentLineStyle);
        setFillColour(currentFillColour);
        setFontColour(currentFontColour);
    }
}

Painter::~Painter() = default;

void Painter::makePen()
{
    pen = makeHandle();
}

void Painter::setFrameColour(PaintColour colour)
{
    currentFrameColour = colour;
    makePen();
}

void Painter::setLineStyle(std::int32_t style)
{
    currentLineStyle = style;
    penStyle = style == LineDotted ? 1 : 0;
    makePen();
}

void Painter::setLineWidth(std::int32_t width)
{
    currentLineWidth = width;
    makePen();
}

void Painter::setFillColour(PaintColour colour)
{
    currentFillColour = colour;
    brush = makeHandle();
}

void Painter::setFontColour(PaintColour colour)
{
    currentFontColour = colour;
}

void Painter::setFont(std::int32_t index, std::int32_t size)
{
    const ToolkitFont chosen = chooseToolkitFont(index, size);
    currentFontSize = chosen.size;
    font = makeHandle();
    record("painter.font", deviceContext, {}, {}, chosen.size, chosen.face);
}

void Painter::moveTo(PixelPoint point)
{
    record("painter.moveTo", deviceContext, {}, point);
}

void Painter::lineTo(PixelPoint point)
{
    record("painter.lineTo", deviceContext, {}, point);
}

void Painter::polyline(const PixelPoint*, std::int32_t count)
{
    record("painter.polyline", deviceContext, {}, {}, count);
}

void Painter::drawRect(const PixelRect& rect)
{
    record("painter.drawRect", deviceContext, rect);
}

void Painter::fillRect(const PixelRect& rect)
{
    record("painter.fillRect", deviceContext, rect);
}

void Painter::fillPolygon(const PixelPoint*, std::int32_t count)
{
    record("painter.fillPolygon", deviceContext, {}, {}, count);
}

void Painter::drawEllipse(const PixelRect& rect)
{
    record("painter.drawEllipse", deviceContext, rect);
}

void Painter::fillEllipse(const PixelRect& rect)
{
    record("painter.fillEllipse", deviceContext, rect);
}

void Painter::drawArc(const PixelRect& rect, PixelPoint from, PixelPoint)
{
    record("painter.drawArc", deviceContext, rect, from);
}

void Painter::fillArc(const PixelRect& rect, PixelPoint from, PixelPoint)
{
    record("painter.fillArc", deviceContext, rect, from);
}

void Painter::drawPoint(PixelPoint point, PaintColour)
{
    record("painter.drawPoint", deviceContext, {}, point);
}

void Painter::drawString(const char* text, const PixelRect& rect, bool, std::int32_t alignment)
{
    record("painter.drawString", deviceContext, rect, {}, alignment, text);
}

std::int32_t Painter::getMouseButtons()
{
    const StubState& s = state();
    return s.mouseFrame < s.mouse.size() ? s.mouse[s.mouseFrame].buttons : 0;
}

void Painter::getMousePosition(PixelPoint& where)
{
    StubState& s = state();
    ++s.mouseReads;
    if (s.mouseFrame < s.mouse.size())
        ++s.mouseFrame;
    if (s.mouseFrame < s.mouse.size())
        where = s.mouse[s.mouseFrame].position;
    else if (!s.mouse.empty())
        where = s.mouse.back().position;
}

// OffscreenPainter: a made-up surface of its own.

OffscreenPainter::OffscreenPainter(PanelWindow* panel, std::int32_t width, std::int32_t height,
                                   PaintColour background)
    : Painter(panel, nullptr, nullptr), surfaceHeight(height), surfaceWidth(width), backgroundColour(background)
{
    deviceContext = makeHandle();
    windowHandle = makeHandle();
    ownsSurface = true;
    ++state().liveSurfaces;
    record("offscreen.create", deviceContext, {0, 0, width, height}, {}, width);
    setFillColour(background);
    setFrameColour(background);
}

OffscreenPainter::~OffscreenPainter()
{
    --state().liveSurfaces;
    record("offscreen.destroy", deviceContext);
}

void OffscreenPainter::copyTo(Painter& destination, const PixelRect& rect, PixelPoint source)
{
    record("offscreen.copy", destination.surface(), rect, source, surfaceWidth);
}

// SkinBitmap: sizes from the table the test defined.

SkinBitmap::SkinBitmap(std::int32_t id) : resourceId(id)
{
    ++state().liveBitmaps;
    auto found = state().bitmaps.find(id & 0xFFFF);
    if (found != state().bitmaps.end()) {
        image = makeHandle();
        imageWidth = found->second.x;
        imageHeight = found->second.y;
    }
}

SkinBitmap::~SkinBitmap()
{
    --state().liveBitmaps;
}

void SkinBitmap::draw(Painter& painter, const PixelRect& destination, PixelPoint source)
{
    if (image != nullptr)
        record("bitmap.draw", painter.surface(), destination, source, resourceId);
}

void SkinBitmap::drawTransparent(Painter& painter, const PixelRect& destination, PixelPoint source)
{
    if (image == nullptr)
        return;
    if (mask == nullptr)
        mask = makeHandle();
    record("bitmap.drawTransparent", painter.surface(), destination, source, resourceId);
}
