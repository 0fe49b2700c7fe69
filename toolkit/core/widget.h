// Widget: anything that sits on a panel. It has a rectangle in panel
// coordinates (edges inside) and gets painters to draw with and presses
// that fell inside it. Widgets are leaves: the panel keeps them in one flat
// list and owns them.
#pragma once

#include "toolkit/core/pixel_rect.h"

class OffscreenPainter;
class Painter;
class PanelWindow;

class Widget {
public:
    explicit Widget(const PixelRect& rect);
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;

    virtual void destroy();
    virtual void draw(Painter& painter);
    // A button went down at the point, which lies inside the widget.
    virtual void onMouseDown(Painter& painter, PixelPoint& where);
    // Draws again only if something changed since the last draw.
    virtual void redrawIfChanged(Painter& painter);
    virtual void focusLost();
    virtual void focusGained();
    // Kept only when the surface covers the whole widget.
    virtual void setBackdropSurface(OffscreenPainter* surface);

    const PixelRect& rect() const { return rectangle; }
    void setRect(const PixelRect& rect) { rectangle = rect; }
    PanelWindow* parent() const { return parentPanel; }
    void setParent(PanelWindow* panel) { parentPanel = panel; }
    OffscreenPainter* backdropSurface() const { return backdrop; }

protected:
    virtual ~Widget() = default;

    PixelRect rectangle;
    PanelWindow* parentPanel = nullptr;
    OffscreenPainter* backdrop = nullptr;
};
