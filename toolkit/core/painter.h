// Painter: one drawing pass on one surface. It owns the pen, brush and font
// it selects into the surface and gives the surface its own objects back
// when it is destroyed, so whoever lent the surface gets it back as it was.
// Widgets are handed a painter for every draw and every press; it also
// answers the two mouse questions their drag loops ask.
//
// The operations are implemented by the platform files (win32/, stub/): the
// portable toolkit only ever talks to a surface through this class.
#pragma once

#include "toolkit/core/native_handles.h"
#include "toolkit/core/paint_colour.h"
#include "toolkit/core/pixel_rect.h"

#include <cstdint>

class PanelWindow;

enum : std::int32_t {
    LineSolid = 0,
    LineDotted = 1,
};

enum : std::int32_t {
    AlignLeft = 0,
    AlignCentre = 1,
    AlignRight = 2,
};

class Painter {
public:
    // A null surface makes no pen, brush or font until a setter is called.
    Painter(PanelWindow* panel, NativeSurface surface, NativeWindow window);
    virtual ~Painter();
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;

    void setFrameColour(PaintColour colour);
    void setLineStyle(std::int32_t style);
    void setLineWidth(std::int32_t width);
    void setFillColour(PaintColour colour);
    void setFontColour(PaintColour colour);
    // An index outside the font table picks font 0; size 0 the font's own size.
    void setFont(std::int32_t index, std::int32_t size);

    void moveTo(PixelPoint point);
    void lineTo(PixelPoint point);
    void polyline(const PixelPoint* points, std::int32_t count);
    // Outline through all four corners.
    void drawRect(const PixelRect& rect);
    // Fills inside the outline: (left + 1, top + 1) up to (right, bottom).
    void fillRect(const PixelRect& rect);
    void fillPolygon(const PixelPoint* points, std::int32_t count);
    void drawEllipse(const PixelRect& rect);
    void fillEllipse(const PixelRect& rect);
    void drawArc(const PixelRect& rect, PixelPoint from, PixelPoint to);
    void fillArc(const PixelRect& rect, PixelPoint from, PixelPoint to);
    void drawPoint(PixelPoint point, PaintColour colour);
    // One line of text, vertically centred; alignment AlignLeft starts one
    // pixel inside the left edge. Opaque fills the text cell with the fill colour.
    void drawString(const char* text, const PixelRect& rect, bool opaque, std::int32_t alignment);

    // Bit flags of mouse_buttons.h, read from the keyboard state right now.
    std::int32_t getMouseButtons();
    // The cursor, in the coordinates of this painter's window.
    void getMousePosition(PixelPoint& where);

    NativeSurface surface() const { return deviceContext; }
    NativeWindow window() const { return windowHandle; }
    PanelWindow* panel() const { return ownerPanel; }
    std::int32_t fontSize() const { return currentFontSize; }
    PaintColour fontColour() const { return currentFontColour; }
    PaintColour frameColour() const { return currentFrameColour; }
    PaintColour fillColour() const { return currentFillColour; }
    std::int32_t lineWidth() const { return currentLineWidth; }
    std::int32_t lineStyle() const { return currentLineStyle; }

protected:
    void makePen();

    NativeSurface deviceContext;
    // An offscreen painter keeps its surface bitmap here instead.
    NativeWindow windowHandle;
    PanelWindow* ownerPanel;
    std::int32_t currentFontSize = 0;
    PaintColour currentFontColour{255, 255, 255};
    std::int32_t currentLineWidth = 1;
    PaintColour currentFrameColour{255, 255, 255};
    PaintColour currentFillColour{0, 0, 0};
    std::int32_t currentLineStyle = LineSolid;
    NativeObject brush = nullptr;
    NativeObject pen = nullptr;
    NativeObject font = nullptr;
    NativeObject savedBrush = nullptr;
    NativeObject savedPen = nullptr;
    NativeObject savedFont = nullptr;
    std::int32_t penStyle = 0;
};
