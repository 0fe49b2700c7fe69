#include "toolkit/core/widget.h"

#include "toolkit/core/offscreen_painter.h"

Widget::Widget(const PixelRect& rect) : rectangle(rect) {}

void Widget::destroy()
{
    delete this;
}

void Widget::draw(Painter&) {}

void Widget::onMouseDown(Painter&, PixelPoint&) {}

void Widget::redrawIfChanged(Painter&) {}

void Widget::focusLost() {}

void Widget::focusGained() {}

void Widget::setBackdropSurface(OffscreenPainter* surface)
{
    if (surface != nullptr && surface->width() >= rectangle.width() && surface->height() >= rectangle.height())
        backdrop = surface;
}
