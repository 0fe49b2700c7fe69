// Painter and OffscreenPainter on GDI device contexts.
#include "toolkit/core/offscreen_painter.h"
#include "toolkit/core/painter.h"
#include "toolkit/core/panel_window.h"
#include "toolkit/core/toolkit_font.h"

#include <windows.h>

#include <cstddef>
#include <cstring>

namespace {

HDC dc(NativeSurface surface)
{
    return static_cast<HDC>(surface);
}

COLORREF rgb(PaintColour colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

// PixelPoint has POINT's layout, so point arrays go to GDI as they are.
static_assert(sizeof(PixelPoint) == sizeof(POINT), "PixelPoint matches POINT");
static_assert(offsetof(PixelPoint, y) == offsetof(POINT, y), "PixelPoint matches POINT");

const POINT* gdiPoints(const PixelPoint* points)
{
    return reinterpret_cast<const POINT*>(points);
}

// Selects the null pen for the lifetime of one filled shape: fills have no outline.
class NullPenScope {
public:
    explicit NullPenScope(HDC target) : target(target), previous(SelectObject(target, GetStockObject(NULL_PEN))) {}
    ~NullPenScope() { SelectObject(target, previous); }
    NullPenScope(const NullPenScope&) = delete;
    NullPenScope& operator=(const NullPenScope&) = delete;

private:
    HDC target;
    HGDIOBJ previous;
};

} // namespace

Painter::Painter(PanelWindow* panel, NativeSurface surface, NativeWindow window)
    : deviceContext(surface), windowHandle(window), ownerPanel(panel)
{
    if (deviceContext == nullptr)
        return;
    HDC target = dc(deviceContext);
    savedBrush = GetCurrentObject(target, OBJ_BRUSH);
    savedPen = GetCurrentObject(target, OBJ_PEN);
    savedFont = GetCurrentObject(target, OBJ_FONT);
    SetBkMode(target, TRANSPARENT);
    setFrameColour(currentFrameColour);
    setLineStyle(currentLineStyle);
    setFillColour(currentFillColour);
    setFontColour(currentFontColour);
}

Painter::~Painter()
{
    HDC target = dc(deviceContext);
    if (savedBrush != nullptr)
        SelectObject(target, savedBrush);
    if (savedPen != nullptr)
        SelectObject(target, savedPen);
    if (savedFont != nullptr)
        SelectObject(target, savedFont);
    if (brush != nullptr)
        DeleteObject(brush);
    if (pen != nullptr)
        DeleteObject(pen);
    if (font != nullptr)
        DeleteObject(font);
}

void Painter::makePen()
{
    LOGPEN description{};
    description.lopnStyle = static_cast<UINT>(penStyle);
    description.lopnWidth.x = currentLineWidth;
    description.lopnColor = rgb(currentFrameColour);
    HPEN made = CreatePenIndirect(&description);
    if (made == nullptr)
        return;
    SelectObject(dc(deviceContext), made);
    if (pen != nullptr)
        DeleteObject(pen);
    pen = made;
}

void Painter::setFrameColour(PaintColour colour)
{
    currentFrameColour = colour;
    makePen();
}

void Painter::setLineStyle(std::int32_t style)
{
    currentLineStyle = style;
    penStyle = style == LineDotted ? PS_DOT : PS_SOLID;
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
    SetBkColor(dc(deviceContext), rgb(colour));
    LOGBRUSH description{};
    description.lbStyle = BS_SOLID;
    description.lbColor = rgb(colour);
    HBRUSH made = CreateBrushIndirect(&description);
    if (made == nullptr)
        return;
    SelectObject(dc(deviceContext), made);
    if (brush != nullptr)
        DeleteObject(brush);
    brush = made;
}

void Painter::setFontColour(PaintColour colour)
{
    currentFontColour = colour;
    SetTextColor(dc(deviceContext), rgb(colour));
}

void Painter::setFont(std::int32_t index, std::int32_t size)
{
    const ToolkitFont chosen = chooseToolkitFont(index, size);
    currentFontSize = chosen.size;
    LOGFONTA description;
    std::memset(&description, 0, sizeof description);
    description.lfHeight = -chosen.size;
    description.lfWeight = chosen.weight;
    description.lfPitchAndFamily = chosen.pitchAndFamily;
    description.lfClipPrecision = CLIP_STROKE_PRECIS;
    description.lfOutPrecision = OUT_STRING_PRECIS;
    std::strncpy(description.lfFaceName, chosen.face, LF_FACESIZE - 1);
    HFONT made = CreateFontIndirectA(&description);
    if (made == nullptr)
        return;
    SelectObject(dc(deviceContext), made);
    if (font != nullptr)
        DeleteObject(font);
    font = made;
}

void Painter::moveTo(PixelPoint point)
{
    MoveToEx(dc(deviceContext), point.x, point.y, nullptr);
}

void Painter::lineTo(PixelPoint point)
{
    LineTo(dc(deviceContext), point.x, point.y);
}

void Painter::polyline(const PixelPoint* points, std::int32_t count)
{
    Polyline(dc(deviceContext), gdiPoints(points), count);
}

void Painter::drawRect(const PixelRect& rect)
{
    HDC target = dc(deviceContext);
    MoveToEx(target, rect.left, rect.top, nullptr);
    LineTo(target, rect.right, rect.top);
    LineTo(target, rect.right, rect.bottom);
    LineTo(target, rect.left, rect.bottom);
    LineTo(target, rect.left, rect.top);
}

void Painter::fillRect(const PixelRect& rect)
{
    RECT inside{rect.left + 1, rect.top + 1, rect.right, rect.bottom};
    FillRect(dc(deviceContext), &inside, static_cast<HBRUSH>(brush));
}

void Painter::fillPolygon(const PixelPoint* points, std::int32_t count)
{
    NullPenScope noOutline(dc(deviceContext));
    Polygon(dc(deviceContext), gdiPoints(points), count);
}

void Painter::drawEllipse(const PixelRect& rect)
{
    const int startX = rect.left + rect.width() / 2;
    Arc(dc(deviceContext), rect.left, rect.top, rect.right + 1, rect.bottom + 1, startX, rect.top, startX, rect.top);
}

void Painter::fillEllipse(const PixelRect& rect)
{
    NullPenScope noOutline(dc(deviceContext));
    Ellipse(dc(deviceContext), rect.left + 1, rect.top + 1, rect.right, rect.bottom);
}

void Painter::drawArc(const PixelRect& rect, PixelPoint from, PixelPoint to)
{
    Arc(dc(deviceContext), rect.left, rect.top, rect.right + 1, rect.bottom + 1, from.x, from.y, to.x, to.y);
}

void Painter::fillArc(const PixelRect& rect, PixelPoint from, PixelPoint to)
{
    NullPenScope noOutline(dc(deviceContext));
    Pie(dc(deviceContext), rect.left + 1, rect.top + 1, rect.right, rect.bottom, from.x, from.y, to.x, to.y);
}

void Painter::drawPoint(PixelPoint point, PaintColour colour)
{
    SetPixel(dc(deviceContext), point.x, point.y, rgb(colour));
}

void Painter::drawString(const char* text, const PixelRect& rect, bool opaque, std::int32_t alignment)
{
    HDC target = dc(deviceContext);
    SetBkMode(target, opaque ? OPAQUE : TRANSPARENT);
    RECT cell{rect.left, rect.top, rect.right, rect.bottom};
    UINT format = DT_VCENTER | DT_SINGLELINE;
    if (alignment == AlignCentre) {
        format |= DT_CENTER;
    } else if (alignment == AlignRight) {
        format |= DT_RIGHT;
    } else {
        format |= DT_LEFT;
        cell.left += 1;
    }
    DrawTextA(target, text, -1, &cell, format);
    SetBkMode(target, TRANSPARENT);
}

std::int32_t Painter::getMouseButtons()
{
    const auto held = [](int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; };
    std::int32_t buttons = 0;
    if (held(VK_LBUTTON))
        buttons |= 1;
    if (held(VK_MBUTTON))
        buttons |= 2;
    if (held(VK_RBUTTON))
        buttons |= 4;
    if (held(VK_SHIFT))
        buttons |= 8;
    if (held(VK_CONTROL))
        buttons |= 16;
    if (held(VK_MENU))
        buttons |= 32;
    return buttons;
}

void Painter::getMousePosition(PixelPoint& where)
{
    POINT cursor{};
    GetCursorPos(&cursor);
    MapWindowPoints(HWND_DESKTOP, static_cast<HWND>(windowHandle), &cursor, 1);
    where = {cursor.x, cursor.y};
}

OffscreenPainter::OffscreenPainter(PanelWindow* panel, std::int32_t width, std::int32_t height,
                                   PaintColour background)
    : Painter(panel, nullptr, nullptr), surfaceHeight(height), surfaceWidth(width), backgroundColour(background)
{
    HWND panelWindow = panel != nullptr ? static_cast<HWND>(panel->windowHandle()) : nullptr;
    HDC windowDc = GetDC(panelWindow);
    HDC memory = CreateCompatibleDC(windowDc);
    HBITMAP surface = CreateCompatibleBitmap(windowDc, width, height);
    ownsSurface = true;
    SelectObject(memory, surface);
    ReleaseDC(panelWindow, windowDc);
    deviceContext = memory;
    windowHandle = surface;
    SetBkMode(memory, TRANSPARENT);

    setFillColour(background);
    setFrameColour(background);
    fillRect({0, 0, width, height});
    drawRect({0, 0, width, height});
}

OffscreenPainter::~OffscreenPainter()
{
    // The surface leaves the device context with it; the pen and brush are
    // the base's to delete.
    DeleteDC(dc(deviceContext));
    if (ownsSurface)
        DeleteObject(static_cast<HBITMAP>(windowHandle));
    deviceContext = nullptr;
}

void OffscreenPainter::copyTo(Painter& destination, const PixelRect& rect, PixelPoint source)
{
    BitBlt(dc(destination.surface()), rect.left, rect.top, rect.width(), rect.height(), dc(deviceContext), source.x,
           source.y, SRCCOPY);
}
