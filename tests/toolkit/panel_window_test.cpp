// PanelWindow: its widget list, drawing order, press routing, modal widget,
// idle redraws and the module's window class.
#include "tests/toolkit/toolkit_test_support.h"
#include "framework/module_state.h"
#include "toolkit/core/panel_window_class.h"
#include "toolkit/core/skin_bitmap.h"

#include <doctest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// Three widgets: b overlaps a's lower right corner, c stands apart.
struct ThreeWidgets : ToolkitFixture {
    Owned<PanelWindow> panel = makeBarePanel();
    RecordingWidget* a = new RecordingWidget("a", {10, 10, 50, 50});
    RecordingWidget* b = new RecordingWidget("b", {40, 40, 80, 80});
    RecordingWidget* c = new RecordingWidget("c", {100, 10, 120, 30});

    ThreeWidgets()
    {
        panel->addWidget(a);
        panel->addWidget(b);
        panel->addWidget(c);
    }

    void press(PixelPoint where)
    {
        journal().clear();
        panel->pressWith(reinterpret_cast<NativeSurface>(0x20), where);
    }
};

} // namespace

TEST_CASE_FIXTURE(ThreeWidgets, "panel window: a press reaches the topmost widget under it, edges included")
{
    struct Case {
        PixelPoint where;
        Lines expected;
    };
    const Case cases[] = {
        {{20, 20}, {"a press 20,20"}},
        {{45, 45}, {"b press 45,45"}}, // the overlap: the later widget, only it
        {{50, 50}, {"b press 50,50"}},
        {{80, 80}, {"b press 80,80"}}, // right and bottom edges are inside
        {{50, 20}, {"a press 50,20"}},
        {{10, 10}, {"a press 10,10"}},
        {{120, 30}, {"c press 120,30"}},
        {{81, 80}, {}},
        {{90, 5}, {}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.where.x);
        CAPTURE(c.where.y);
        press(c.where);
        CHECK(journal() == c.expected);
    }
}

TEST_CASE_FIXTURE(ThreeWidgets, "panel window: draw paints background, then widgets first added first, then the modal one")
{
    stub::defineBitmap(128, 200, 100);
    SkinBitmap* background = new SkinBitmap(128);
    panel->setBackground(background);
    background->release();

    Painter painter(panel.get(), reinterpret_cast<NativeSurface>(0x30), nullptr);
    CHECK(panel->isFirstPaintPending());
    panel->draw(painter);
    CHECK_FALSE(panel->isFirstPaintPending());
    CHECK(journal() == Lines{"a draw", "b draw", "c draw"});
    const auto drawn = stub::events("bitmap.draw");
    REQUIRE(drawn.size() == 1);
    CHECK(drawn[0].id == 128);
    CHECK(drawn[0].rect == PixelRect{0, 0, 200, 100});
    CHECK(drawn[0].point == PixelPoint{0, 0});

    journal().clear();
    REQUIRE(panel->setModalWidget(a));
    panel->draw(painter);
    CHECK(journal() == Lines{"a draw", "b draw", "c draw", "a draw"});
}

TEST_CASE_FIXTURE(ThreeWidgets, "panel window: with a modal widget, only presses inside it count and only it redraws")
{
    REQUIRE(panel->setModalWidget(c));
    press({20, 20});
    CHECK(journal().empty());
    press({110, 20});
    CHECK(journal() == Lines{"c press 110,20"});

    journal().clear();
    Painter painter(panel.get(), reinterpret_cast<NativeSurface>(0x30), nullptr);
    panel->redrawIfChanged(painter);
    CHECK(journal() == Lines{"c redraw"});

    REQUIRE(panel->setModalWidget(nullptr));
    journal().clear();
    panel->redrawIfChanged(painter);
    CHECK(journal() == Lines{"a redraw", "b redraw", "c redraw"});
}

TEST_CASE_FIXTURE(ThreeWidgets, "panel window: a second modal widget is refused, null clears")
{
    struct Step {
        Widget* widget;
        bool answer;
        Widget* modalAfter;
    };
    const Step steps[] = {
        {a, true, a}, {b, false, a}, {a, false, a}, {nullptr, true, nullptr}, {b, true, b}, {nullptr, true, nullptr},
        {nullptr, true, nullptr},
    };
    for (const Step& step : steps) {
        CHECK(panel->setModalWidget(step.widget) == step.answer);
        CHECK(panel->modalWidget() == step.modalAfter);
    }
}

TEST_CASE_FIXTURE(ThreeWidgets, "panel window: a press outside the focus widget takes its focus away")
{
    panel->setFocusWidget(c);
    press({110, 20});
    CHECK(journal() == Lines{"c press 110,20"});
    CHECK(panel->focusWidget() == c);
    press({20, 20});
    CHECK(journal() == Lines{"c focus lost", "a press 20,20"});
    CHECK(panel->focusWidget() == nullptr);
}

TEST_CASE_FIXTURE(ThreeWidgets, "panel window: a removed widget is neither drawn nor pressed, yet lives on")
{
    CHECK(panel->removeWidget(b));
    CHECK(panel->widgetCount() == 2);
    CHECK(panel->removeWidget(b)); // not listed: still true
    press({45, 45});
    CHECK(journal() == Lines{"a press 45,45"});
    journal().clear();
    Painter painter(panel.get(), reinterpret_cast<NativeSurface>(0x30), nullptr);
    panel->draw(painter);
    CHECK(journal() == Lines{"a draw", "c draw"});
    CHECK(b->parent() == panel.get());
    b->destroy();
    CHECK(journal().back() == "b destroyed");
}

TEST_CASE_FIXTURE(ToolkitFixture, "panel window: the list grows ten entries at a time and keeps its order")
{
    Owned<PanelWindow> panel = makeBarePanel();
    struct Case {
        int added;
        std::int32_t capacity;
    };
    const Case cases[] = {{1, 10}, {10, 10}, {11, 20}, {20, 20}, {21, 30}, {35, 40}};
    int made = 0;
    for (const Case& c : cases) {
        while (made < c.added) {
            RecordingWidget* widget = new RecordingWidget("w" + std::to_string(made), {0, 0, 1, 1});
            CHECK(panel->addWidget(widget));
            CHECK(widget->parent() == panel.get());
            ++made;
        }
        CHECK(panel->widgetCount() == c.added);
        CHECK(panel->widgetCapacity() == c.capacity);
    }
    for (int i = 0; i < made; ++i)
        CHECK(static_cast<RecordingWidget*>(panel->widgetAt(i))->name == "w" + std::to_string(i));
}

TEST_CASE_FIXTURE(ToolkitFixture, "panel window: destruction takes the focus, destroys every widget and releases the background")
{
    stub::defineBitmap(128, 200, 100);
    const std::int32_t bitmapsBefore = stub::liveBitmaps();
    SkinBitmap* background = new SkinBitmap(128);
    {
        Owned<PanelWindow> panel = makeBarePanel();
        panel->setBackground(background);
        CHECK(background->referenceCount() == 2);
        RecordingWidget* first = new RecordingWidget("first", {0, 0, 5, 5});
        panel->addWidget(first);
        panel->addWidget(new RecordingWidget("second", {0, 0, 5, 5}));
        panel->setFocusWidget(first);
    }
    CHECK(journal() == Lines{"first focus lost", "first destroyed", "second destroyed"});
    CHECK(background->referenceCount() == 1);
    background->release();
    CHECK(stub::liveBitmaps() == bitmapsBefore);
}

TEST_CASE_FIXTURE(ToolkitFixture, "panel window: set background retains the new one and releases the old")
{
    SkinBitmap* first = new SkinBitmap(1);
    SkinBitmap* second = new SkinBitmap(2);
    Owned<PanelWindow> panel = makeBarePanel();
    struct Step {
        SkinBitmap* set;
        std::int32_t firstCount, secondCount;
    };
    const Step steps[] = {
        {first, 2, 1}, {first, 2, 1}, {second, 1, 2}, {nullptr, 1, 1}, {second, 1, 2},
    };
    for (const Step& step : steps) {
        panel->setBackground(step.set);
        CHECK(panel->background() == step.set);
        CHECK(first->referenceCount() == step.firstCount);
        CHECK(second->referenceCount() == step.secondCount);
    }
    panel.reset();
    CHECK(second->referenceCount() == 1);
    first->release();
    second->release();
}

TEST_CASE_FIXTURE(ThreeWidgets, "panel window: idle redraws only after the first paint and while the window is open")
{
    struct Step {
        const char* action;
        Lines expected;
    };
    const Step steps[] = {
        {"idle", {}},
        {"paint", {"a draw", "b draw", "c draw"}},
        {"idle", {"a redraw", "b redraw", "c redraw"}},
        {"destroyed", {}},
        {"idle", {}},
    };
    for (const Step& step : steps) {
        CAPTURE(step.action);
        journal().clear();
        const std::string action = step.action;
        if (action == "idle")
            panel->idleRedraw();
        else if (action == "paint")
            panel->paintWith(reinterpret_cast<NativeSurface>(0x40));
        else
            panel->windowDestroyed();
        CHECK(journal() == step.expected);
    }
    CHECK_FALSE(panel->isOpen());
    CHECK(panel->hostWindow() == nullptr);
    CHECK(stub::liveSurfaces() == 0);
}

TEST_CASE_FIXTURE(ThreeWidgets, "panel window: draw widget paints one listed widget, anything else the whole panel")
{
    RecordingWidget stranger("stranger", {0, 0, 1, 1});
    struct Case {
        Widget* widget;
        Lines expected;
    };
    const Case cases[] = {
        {b, {"b draw"}},
        {nullptr, {"a draw", "b draw", "c draw"}},
        {&stranger, {"a draw", "b draw", "c draw"}},
    };
    for (const Case& c : cases) {
        journal().clear();
        panel->drawWidget(c.widget);
        CHECK(journal() == c.expected);
    }
    CHECK(stub::liveSurfaces() == 0);
    journal().clear();
}

TEST_CASE_FIXTURE(ToolkitFixture, "panel window: a child window at (0, 0) of the host, of the rectangle's size")
{
    Owned<PanelWindow> panel(new PanelWindow({30, 40, 544, 190}, reinterpret_cast<NativeWindow>(0x99), nullptr));
    const auto made = stub::events("window.create");
    REQUIRE(made.size() == 1);
    CHECK(made[0].surface == reinterpret_cast<NativeWindow>(0x99));
    CHECK(made[0].rect == PixelRect{0, 0, 514, 150});
    CHECK(stub::panelOf(panel->windowHandle()) == panel.get());
    CHECK(panel->isOpen());
    CHECK(panel->isFirstPaintPending());
}

TEST_CASE_FIXTURE(ToolkitFixture, "panel window: one class for all panels of the module, gone with the last")
{
    moduleHandle = reinterpret_cast<void*>(0x6ac40000);
    char name[32];
    formatPanelWindowClassName(name);
    CHECK(std::string(name) == "Plugin6ac40000");

    CHECK(panelWindowClassUsers() == 0);
    Owned<PanelWindow> first = makeBarePanel();
    Owned<PanelWindow> second = makeBarePanel();
    CHECK(panelWindowClassUsers() == 2);
    CHECK(stub::registeredClasses() == 1);
    CHECK(stub::events("class.register").size() == 1);
    CHECK(stub::events("class.register")[0].text == "Plugin6ac40000");
    CHECK(stub::events("window.create")[1].text == "Plugin6ac40000");

    first.reset();
    CHECK(panelWindowClassUsers() == 1);
    CHECK(stub::registeredClasses() == 1);
    second.reset();
    CHECK(panelWindowClassUsers() == 0);
    CHECK(stub::registeredClasses() == 0);
    CHECK(stub::events("class.unregister").size() == 1);
    CHECK(stub::liveWindows() == 0);
    moduleHandle = nullptr;
}

TEST_CASE_FIXTURE(ToolkitFixture, "panel window: class names are eight lower-case hex digits of the module handle")
{
    struct Case {
        std::uintptr_t handle;
        const char* name;
    };
    const Case cases[] = {
        {0x0, "Plugin00000000"},
        {0x10000000, "Plugin10000000"},
        {0xABCDEF, "Plugin00abcdef"},
        {0xFFFFFFFF, "Pluginffffffff"},
    };
    for (const Case& c : cases) {
        moduleHandle = reinterpret_cast<void*>(c.handle);
        char name[32];
        formatPanelWindowClassName(name);
        CHECK(std::string(name) == c.name);
    }
    moduleHandle = nullptr;
}

TEST_CASE_FIXTURE(ToolkitFixture, "panel window: without a window it draws nothing on idle and still gives the class back")
{
    stub::failWindowCreation(true);
    {
        Owned<PanelWindow> panel = makeBarePanel();
        CHECK(panel->windowHandle() == nullptr);
        CHECK(panel->isOpen());
        panel->addWidget(new RecordingWidget("a", {0, 0, 5, 5}));
        panel->paintWith(reinterpret_cast<NativeSurface>(0x40));
        journal().clear();
        panel->idleRedraw();
        panel->drawWidget(nullptr);
        CHECK(journal().empty());
        CHECK(panelWindowClassUsers() == 1);
    }
    CHECK(panelWindowClassUsers() == 0);
    CHECK(stub::registeredClasses() == 0);
}
