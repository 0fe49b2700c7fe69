// Helpers of the toolkit's native tests: widgets and listeners that write
// down what happens to them, an effect and an editor to hang panels on, and
// ownership of objects that go through destroy().
#pragma once

#include "framework/plug_effect.h"
#include "tests/support/fake_host.h"
#include "toolkit/controls/control.h"
#include "toolkit/core/panel_window.h"
#include "toolkit/core/painter.h"
#include "toolkit/core/stub/stub_platform.h"
#include "toolkit/core/toolkit_editor.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

// What the recording widgets and listeners saw, in order.
inline std::vector<std::string>& journal()
{
    static std::vector<std::string> entries;
    return entries;
}

// Every test starts from an empty stub, journal and host.
struct ToolkitFixture {
    ToolkitFixture()
    {
        stub::reset();
        journal().clear();
        FakeHost::reset();
    }
};

class RecordingWidget : public Widget {
public:
    RecordingWidget(std::string widgetName, const PixelRect& rect) : Widget(rect), name(std::move(widgetName)) {}
    ~RecordingWidget() override { journal().push_back(name + " destroyed"); }

    void draw(Painter&) override { journal().push_back(name + " draw"); }
    void onMouseDown(Painter&, PixelPoint& where) override
    {
        journal().push_back(name + " press " + std::to_string(where.x) + "," + std::to_string(where.y));
    }
    void redrawIfChanged(Painter&) override { journal().push_back(name + " redraw"); }
    void focusLost() override { journal().push_back(name + " focus lost"); }

    std::string name;
};

struct ListenerCall {
    std::int32_t tag;
    float value;
    NativeSurface surface;
};

// Records each report and, like the panner's editor, redraws the control
// through the painter it was handed.
class RecordingListener : public ControlListener {
public:
    void valueChanged(Painter& painter, Control* control) override
    {
        calls.push_back({control->getTag(), control->getValue(), painter.surface()});
        if (redraw)
            control->redrawIfChanged(painter);
    }

    std::vector<ListenerCall> calls;
    bool redraw = true;
};

// A plain effect whose host is the recording FakeHost.
class QuietEffect : public PlugEffect {
public:
    QuietEffect() : PlugEffect(FakeHost::callback, 1, 8) {}
    void processAdding(float**, float**, std::int32_t) override {}
};

// The editor base as a subclass uses it, counting refreshes; its panel is
// made and torn down by the test.
class CountingEditor : public ToolkitEditor {
public:
    explicit CountingEditor(PlugEffect* effect) : ToolkitEditor(effect) {}
    void refresh() override { ++refreshes; }
    PanelWindow* makePanel(const PixelRect& rect)
    {
        panel = new PanelWindow(rect, reinterpret_cast<NativeWindow>(0x77), this);
        return panel;
    }
    void dropPanel()
    {
        if (panel != nullptr)
            panel->destroy();
        panel = nullptr;
    }

    int refreshes = 0;
};

struct DestroyThrough {
    template <typename T>
    void operator()(T* object) const
    {
        object->destroy();
    }
};

template <typename T>
using Owned = std::unique_ptr<T, DestroyThrough>;

// A panel of the given size on the stub, with no editor behind it.
inline Owned<PanelWindow> makeBarePanel(const PixelRect& rect = {0, 0, 200, 100})
{
    return Owned<PanelWindow>(new PanelWindow(rect, reinterpret_cast<NativeWindow>(0x55), nullptr));
}
