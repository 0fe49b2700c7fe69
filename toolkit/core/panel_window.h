// PanelWindow: the editor's one child window inside the host's, with a
// background bitmap and a flat list of widgets that it owns, draws in
// insertion order and routes presses to (the last added is on top). A modal
// widget, when set, gets every press and every idle redraw. Nothing is
// redrawn on idle before the window's first paint or after the window is
// gone.
//
// Only presses are routed: a widget that wants to follow the mouse polls it
// from inside its onMouseDown, through the painter it was handed.
#pragma once

#include "toolkit/core/native_handles.h"
#include "toolkit/core/widget.h"

#include <cstdint>

class SkinBitmap;
class ToolkitEditor;

class PanelWindow : public Widget {
public:
    // Creates the window at once, at (0, 0) of the host window whatever the
    // rectangle's left and top.
    PanelWindow(const PixelRect& rect, NativeWindow hostWindow, ToolkitEditor* editor);

    void draw(Painter& painter) override;
    void onMouseDown(Painter& painter, PixelPoint& where) override;
    void redrawIfChanged(Painter& painter) override;

    // Appends; false (and the widget not added) when the list cannot grow.
    virtual bool addWidget(Widget* widget);
    // Takes it out of the list without destroying it or telling it.
    virtual bool removeWidget(Widget* widget);

    // Either may be null; the panel retains what it holds.
    void setBackground(SkinBitmap* bitmap);
    // Refused (false) while another widget is modal; null clears.
    bool setModalWidget(Widget* widget);

    void idleRedraw();
    // Paints one widget of the list now; any other (or null) paints it all.
    void drawWidget(Widget* widget);

    // Called by the platform's window procedure.
    void paintWith(NativeSurface surface);
    void pressWith(NativeSurface surface, PixelPoint where);
    void windowDestroyed();

    ToolkitEditor* ownerEditor() const { return editor; }
    NativeWindow windowHandle() const { return window; }
    NativeWindow hostWindow() const { return host; }
    SkinBitmap* background() const { return backgroundBitmap; }
    Widget* modalWidget() const { return modal; }
    Widget* focusWidget() const { return focus; }
    void setFocusWidget(Widget* widget) { focus = widget; }
    std::int32_t widgetCount() const { return count; }
    std::int32_t widgetCapacity() const { return capacity; }
    Widget* widgetAt(std::int32_t index) const { return widgets[index]; }
    bool isFirstPaintPending() const { return firstPaintPending; }
    bool isOpen() const { return open; }

protected:
    ~PanelWindow() override;

private:
    ToolkitEditor* editor;
    NativeWindow host;
    SkinBitmap* backgroundBitmap = nullptr;
    std::int32_t count = 0;
    std::int32_t capacity = 0;
    Widget** widgets = nullptr;
    Widget* modal = nullptr;
    Widget* focus = nullptr;
    bool firstPaintPending = true;
    bool open = true;
    NativeWindow window = nullptr;
};
