#include "toolkit/core/panel_window.h"

#include "toolkit/core/painter.h"
#include "toolkit/core/panel_window_class.h"
#include "toolkit/core/skin_bitmap.h"
#include "toolkit/core/toolkit_platform.h"

#include <cstdlib>

namespace {

constexpr std::int32_t ListGrowth = 10;

} // namespace

PanelWindow::PanelWindow(const PixelRect& rect, NativeWindow hostWindow, ToolkitEditor* owner)
    : Widget(rect), editor(owner), host(hostWindow)
{
    const char* className = retainPanelWindowClass();
    window = platform::createPanelWindow(className, host, rect.width(), rect.height(), this);
}

PanelWindow::~PanelWindow()
{
    if (focus != nullptr) {
        focus->focusLost();
        focus = nullptr;
    }
    for (std::int32_t i = 0; i < count; ++i)
        widgets[i]->destroy();
    std::free(widgets);
    widgets = nullptr;
    count = capacity = 0;
    setBackground(nullptr);
    if (window != nullptr)
        platform::destroyPanelWindow(window);
    // Every panel counted itself in when it was made, window or not.
    releasePanelWindowClass();
}

void PanelWindow::draw(Painter& painter)
{
    firstPaintPending = false;
    if (backgroundBitmap != nullptr)
        backgroundBitmap->draw(painter, {0, 0, backgroundBitmap->width(), backgroundBitmap->height()}, {0, 0});
    for (std::int32_t i = 0; i < count; ++i)
        widgets[i]->draw(painter);
    if (modal != nullptr)
        modal->draw(painter);
}

void PanelWindow::onMouseDown(Painter& painter, PixelPoint& where)
{
    if (focus != nullptr && !focus->rect().contains(where)) {
        focus->focusLost();
        focus = nullptr;
    }
    if (modal != nullptr) {
        if (modal->rect().contains(where))
            modal->onMouseDown(painter, where);
        return;
    }
    for (std::int32_t i = count - 1; i >= 0; --i) {
        if (widgets[i]->rect().contains(where)) {
            widgets[i]->onMouseDown(painter, where);
            return;
        }
    }
}

void PanelWindow::redrawIfChanged(Painter& painter)
{
    if (!open)
        return;
    if (modal != nullptr) {
        modal->redrawIfChanged(painter);
        return;
    }
    for (std::int32_t i = 0; i < count; ++i)
        widgets[i]->redrawIfChanged(painter);
}

bool PanelWindow::addWidget(Widget* widget)
{
    if (widget == nullptr)
        return false;
    if (count == capacity) {
        const std::int32_t grown = capacity + ListGrowth;
        void* list = std::realloc(widgets, sizeof(Widget*) * static_cast<std::size_t>(grown));
        if (list == nullptr)
            return false;
        widgets = static_cast<Widget**>(list);
        capacity = grown;
    }
    widgets[count++] = widget;
    widget->setParent(this);
    return true;
}

bool PanelWindow::removeWidget(Widget* widget)
{
    for (std::int32_t i = 0; i < count; ++i) {
        if (widgets[i] == widget) {
            for (std::int32_t j = i + 1; j < count; ++j)
                widgets[j - 1] = widgets[j];
            --count;
            break;
        }
    }
    return true;
}

void PanelWindow::setBackground(SkinBitmap* bitmap)
{
    // Retain first: the new background may be the one already held.
    if (bitmap != nullptr)
        bitmap->retain();
    if (backgroundBitmap != nullptr)
        backgroundBitmap->release();
    backgroundBitmap = bitmap;
}

bool PanelWindow::setModalWidget(Widget* widget)
{
    if (modal != nullptr && widget != nullptr)
        return false;
    modal = widget;
    return true;
}

void PanelWindow::idleRedraw()
{
    // Before the first paint there is nothing on screen to bring up to date;
    // a failed window has nowhere to draw.
    if (!open || firstPaintPending || window == nullptr)
        return;
    NativeSurface surface = platform::acquireWindowSurface(window);
    {
        Painter painter(this, surface, window);
        redrawIfChanged(painter);
    }
    platform::releaseWindowSurface(window, surface);
}

void PanelWindow::drawWidget(Widget* widget)
{
    if (window == nullptr)
        return;
    bool listed = false;
    for (std::int32_t i = 0; i < count && !listed; ++i)
        listed = widgets[i] == widget;
    NativeSurface surface = platform::acquireWindowSurface(window);
    {
        Painter painter(this, surface, window);
        if (listed)
            widget->draw(painter);
        else
            draw(painter);
    }
    platform::releaseWindowSurface(window, surface);
}

void PanelWindow::paintWith(NativeSurface surface)
{
    Painter painter(this, surface, window);
    draw(painter);
}

void PanelWindow::pressWith(NativeSurface surface, PixelPoint where)
{
    Painter painter(this, surface, window);
    onMouseDown(painter, where);
}

void PanelWindow::windowDestroyed()
{
    open = false;
    host = nullptr;
}
