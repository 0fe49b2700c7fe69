// The Corvelan panel's logic on the toolkit's stub platform: layout, the
// faders driving and following the effect, the about box, and the panel's
// life across openings.
#include "effects/panner/editor/panner_editor.h"
#include "effects/panner/editor/panner_skin_ids.h"
#include "effects/panner/panner_plugin.h"
#include "tests/support/fake_host.h"
#include "toolkit/controls/horizontal_fader.h"
#include "toolkit/controls/splash_box.h"
#include "toolkit/core/mouse_buttons.h"
#include "toolkit/core/panel_window.h"
#include "toolkit/core/painter.h"
#include "toolkit/core/panel_window_class.h"
#include "toolkit/core/skin_bitmap.h"
#include "toolkit/core/stub/stub_platform.h"

#include <doctest.h>

#include <memory>
#include <vector>

namespace {

const NativeWindow hostWindow = reinterpret_cast<NativeWindow>(0x4000);
const NativeSurface screen = reinterpret_cast<NativeSurface>(0x5000);

struct DestroyEffect {
    void operator()(PlugEffect* effect) const { effect->destroy(); }
};

// A Corvelan plug-in with its panel, as main makes it, on the stub.
struct Corvelan {
    std::unique_ptr<PannerPlugin, DestroyEffect> plugin;
    PannerEditor* editor = nullptr;

    Corvelan()
    {
        stub::reset();
        FakeHost::reset();
        stub::defineBitmap(PanelBackgroundId, 514, 150);
        stub::defineBitmap(PanTrackId, 400, 18);
        stub::defineBitmap(PanHandleId, 10, 12);
        stub::defineBitmap(GainTrackId, 80, 14);
        stub::defineBitmap(GainHandleId, 10, 14);
        stub::defineBitmap(AboutPictureId, 220, 120);
        plugin.reset(new PannerPlugin(FakeHost::callback));
        editor = static_cast<PannerEditor*>(plugin->attachedEditor());
    }

    PlugInt dispatch(std::int32_t opcode, PlugInt value = 0, void* ptr = nullptr)
    {
        EffectRecord* record = plugin->record();
        return record->dispatch(record, opcode, 0, value, ptr, 0.0f);
    }

    PanelWindow* panel() const { return editor->panelWindow(); }

    // Opens and paints, as a host's window would on its first WM_PAINT.
    void openAndPaint()
    {
        REQUIRE(dispatch(OpEditorOpen, 0, hostWindow) == 1);
        panel()->paintWith(screen);
        stub::log().clear();
        FakeHost::instance().calls.clear();
    }

    void press(PixelPoint where, std::vector<stub::MouseFrame> later, std::int32_t buttons = MouseLeft)
    {
        later.insert(later.begin(), {where, buttons});
        stub::scriptMouse(later);
        stub::log().clear();
        FakeHost::instance().calls.clear();
        panel()->pressWith(screen, where);
    }

    std::vector<HostCall> automations() const
    {
        std::vector<HostCall> found;
        for (const HostCall& call : FakeHost::instance().calls)
            if (call.opcode == HostAutomate)
                found.push_back(call);
        return found;
    }

    // The control rectangles that idle or a press copied to the screen.
    std::vector<PixelRect> copiedRects() const
    {
        std::vector<PixelRect> rects;
        for (const stub::Event& event : stub::events("offscreen.copy"))
            rects.push_back(event.rect);
        return rects;
    }
};

} // namespace

TEST_CASE("panner editor: made by the plug-in, attached, 514 x 150 before it ever opens")
{
    Corvelan corvelan;
    REQUIRE(corvelan.editor != nullptr);
    CHECK(corvelan.plugin->record()->flags == (EditorFlag | MeterFlag | OverwriteFlag));
    CHECK(corvelan.plugin->record()->flags == 21);
    EditorRect* rect = nullptr;
    CHECK(corvelan.dispatch(OpEditorRect, 0, &rect) == 1);
    REQUIRE(rect != nullptr);
    CHECK(rect->top == 0);
    CHECK(rect->left == 0);
    CHECK(rect->bottom == 150);
    CHECK(rect->right == 514);
    CHECK(corvelan.panel() == nullptr);
}

TEST_CASE("panner editor: the panel's nine widgets, in order, where they belong")
{
    Corvelan corvelan;
    REQUIRE(corvelan.dispatch(OpEditorOpen, 0, hostWindow) == 1);
    PanelWindow* panel = corvelan.panel();
    REQUIRE(panel != nullptr);
    CHECK(panel->hostWindow() == hostWindow);
    CHECK(panel->rect() == PixelRect{0, 0, 514, 150});
    CHECK(panel->background() == corvelan.editor->background());
    REQUIRE(panel->widgetCount() == 9);

    struct Case {
        PixelRect rect;
        std::int32_t minPos, maxPos;
        PixelPoint handleOffset;
        float value, fallback;
    };
    const Case faders[] = {
        {{12, 15, 412, 33}, 13, 401, {0, -4}, 0.0f, 0.75f},  {{12, 45, 412, 63}, 13, 401, {0, -4}, 0.0f, 0.5f},
        {{12, 75, 412, 93}, 13, 401, {0, -4}, 0.0f, 0.5f},   {{12, 105, 412, 123}, 13, 401, {0, -4}, 0.0f, 0.5f},
        {{420, 17, 500, 31}, 421, 490, {0, 0}, 1.0f, 0.5f},  {{420, 47, 500, 61}, 421, 490, {0, 0}, 1.0f, 0.5f},
        {{420, 77, 500, 91}, 421, 490, {0, 0}, 1.0f, 0.5f},  {{420, 107, 500, 121}, 421, 490, {0, 0}, 1.0f, 0.5f},
    };
    for (std::int32_t i = 0; i < 8; ++i) {
        CAPTURE(i);
        auto* fader = dynamic_cast<HorizontalFader*>(panel->widgetAt(i));
        REQUIRE(fader != nullptr);
        CHECK(fader == (i < 4 ? corvelan.editor->panFader(i) : corvelan.editor->gainFader(i - 4)));
        CHECK(fader->getTag() == i);
        CHECK(fader->getListener() == corvelan.editor);
        CHECK(fader->rect() == faders[i].rect);
        CHECK(fader->getMinPos() == faders[i].minPos);
        CHECK(fader->getMaxPos() == faders[i].maxPos);
        CHECK(fader->getStyle() == faderStyleLeft);
        CHECK(fader->getHandleOffset() == faders[i].handleOffset);
        CHECK(fader->getValue() == faders[i].value);
        CHECK(fader->getDefault() == faders[i].fallback);
    }
    auto* about = dynamic_cast<SplashBox*>(panel->widgetAt(8));
    REQUIRE(about != nullptr);
    CHECK(about == corvelan.editor->aboutPicture());
    CHECK(about->getTag() == 9);
    CHECK(about->rect() == PixelRect{12, 130, 42, 155});
    CHECK(about->getDisplayRect() == PixelRect{10, 20, 230, 140});
}

TEST_CASE("panner editor: the first paint shows pans at the left end and gains at the right end")
{
    Corvelan corvelan;
    REQUIRE(corvelan.dispatch(OpEditorOpen, 0, hostWindow) == 1);
    corvelan.panel()->paintWith(screen);
    for (std::int32_t i = 0; i < 4; ++i) {
        CHECK(corvelan.editor->panFader(i)->getHandlePosition() == 13);
        CHECK(corvelan.editor->gainFader(i)->getHandlePosition() == 489);
    }
    const auto background = stub::events("bitmap.draw");
    REQUIRE(!background.empty());
    CHECK(background[0].id == PanelBackgroundId);
    CHECK(background[0].rect == PixelRect{0, 0, 514, 150});
}

TEST_CASE("panner editor: dragging the second pan fader to the middle sets the effect and tells the host")
{
    Corvelan corvelan;
    corvelan.openAndPaint();
    // The handle is drawn at 13 .. 23; gripped one pixel in, 194 pixels on is the middle.
    corvelan.press({14, 50}, {{{120, 50}, MouseLeft}, {{208, 50}, MouseLeft}, {{208, 50}, 0}});
    const auto told = corvelan.automations();
    REQUIRE(told.size() == 2);
    CHECK(told[1].index == 1);
    CHECK(told[1].opt == 0.5f);
    CHECK(told[1].effect == corvelan.plugin->record());
    CHECK(corvelan.plugin->getParam(1) == 0.5f);
    CHECK(corvelan.plugin->weight(1, 4) == 1.0f);
    CHECK(corvelan.editor->panFader(1)->getValue() == 0.5f);
    CHECK(corvelan.editor->panFader(1)->getLastDrawnValue() == 0.5f);
    // Drawn through the press's painter, once per reported value.
    CHECK(corvelan.copiedRects() == std::vector<PixelRect>{{12, 45, 412, 63}, {12, 45, 412, 63}});
    CHECK(stub::events("offscreen.copy")[1].surface == screen);
}

TEST_CASE("panner editor: left plus Alt resets the first pan to 0.75, every other fader to 0.5")
{
    struct Case {
        PixelPoint where;
        std::int32_t index;
        float value;
    };
    const Case cases[] = {
        {{200, 20}, 0, 0.75f}, {{14, 50}, 1, 0.5f},   {{300, 110}, 3, 0.5f},
        {{430, 20}, 4, 0.5f},  {{495, 110}, 7, 0.5f},
    };
    for (const Case& c : cases) {
        CAPTURE(c.index);
        Corvelan corvelan;
        corvelan.openAndPaint();
        corvelan.press(c.where, {}, MouseLeft | MouseAlt);
        const auto told = corvelan.automations();
        REQUIRE(told.size() == 1);
        CHECK(told[0].index == c.index);
        CHECK(told[0].opt == c.value);
        CHECK(corvelan.plugin->getParam(c.index) == c.value);
    }
    Corvelan corvelan;
    corvelan.openAndPaint();
    corvelan.press({200, 20}, {}, MouseLeft | MouseAlt);
    CHECK(corvelan.plugin->weight(0, 6) == 0.5f);
    CHECK(corvelan.plugin->weight(0, 7) == 0.5f);
}

TEST_CASE("panner editor: a host-side change moves its fader on the next idle, and only that one is redrawn")
{
    Corvelan corvelan;
    corvelan.openAndPaint();
    corvelan.plugin->record()->setParam(corvelan.plugin->record(), 6, 0.25f);
    CHECK(corvelan.editor->gainFader(2)->getValue() == 0.25f);
    CHECK(corvelan.copiedRects().empty()); // not at once
    CHECK(corvelan.editor->isRefreshPending());

    corvelan.dispatch(OpEditorIdle);
    CHECK(corvelan.copiedRects() == std::vector<PixelRect>{{420, 77, 500, 91}});
    CHECK(corvelan.editor->gainFader(2)->getHandlePosition() == 420 + 17);
    stub::log().clear();
    corvelan.dispatch(OpEditorIdle);
    CHECK(corvelan.copiedRects().empty());
}

TEST_CASE("panner editor: a program change moves every fader that changed")
{
    Corvelan corvelan;
    corvelan.openAndPaint();
    for (std::int32_t index : {0, 5})
        corvelan.plugin->setParam(index, 0.6f);
    corvelan.dispatch(OpEditorIdle);
    CHECK(corvelan.copiedRects().size() == 2);
    stub::log().clear();
    corvelan.dispatch(OpSetProgram, 2);
    CHECK(corvelan.editor->panFader(0)->getValue() == 0.0f);
    CHECK(corvelan.editor->gainFader(1)->getValue() == 1.0f);
    corvelan.dispatch(OpEditorIdle);
    CHECK(corvelan.copiedRects() == std::vector<PixelRect>{{12, 15, 412, 33}, {420, 47, 500, 61}});
}

TEST_CASE("panner editor: with the window closed a change reaches the effect only")
{
    Corvelan corvelan;
    corvelan.openAndPaint();
    corvelan.dispatch(OpEditorClose);
    CHECK(corvelan.panel() == nullptr);
    corvelan.plugin->setParam(6, 0.25f);
    corvelan.dispatch(OpEditorIdle);
    CHECK(corvelan.plugin->getParam(6) == 0.25f);
    CHECK(stub::events("surface.acquire").empty());

    REQUIRE(corvelan.dispatch(OpEditorOpen, 0, hostWindow) == 1);
    CHECK(corvelan.editor->gainFader(2)->getValue() == 0.25f);
}

TEST_CASE("panner editor: the about box shows its picture over the faders, which then do not react")
{
    Corvelan corvelan;
    corvelan.openAndPaint();
    corvelan.press({20, 140}, {});
    SplashBox* about = corvelan.editor->aboutPicture();
    CHECK(about->getValue() == 1.0f);
    CHECK(corvelan.panel()->modalWidget() == about);
    const auto shown = stub::events("bitmap.draw");
    REQUIRE(shown.size() == 1);
    CHECK(shown[0].id == AboutPictureId);
    CHECK(shown[0].rect == PixelRect{10, 20, 230, 140});
    CHECK(corvelan.automations().empty()); // its tag is not a parameter

    corvelan.press({430, 20}, {}, MouseLeft | MouseAlt); // a gain fader, beside the picture
    CHECK(corvelan.automations().empty());
    corvelan.press({14, 50}, {{{208, 50}, MouseLeft}, {{208, 50}, 0}}); // a pan handle under the picture
    CHECK(corvelan.automations().empty());
    CHECK(about->getValue() == 0.0f); // that press hid the picture instead
    CHECK(corvelan.panel()->modalWidget() == nullptr);
    const auto repainted = stub::events("bitmap.draw");
    REQUIRE(!repainted.empty());
    CHECK(repainted[0].id == PanelBackgroundId);
    CHECK(stub::events("offscreen.copy").size() == 8); // every fader again
}

TEST_CASE("panner editor: open, close and open again load the control bitmaps afresh")
{
    const std::int32_t before = stub::liveBitmaps();
    {
        Corvelan corvelan;
        const std::int32_t withBackground = stub::liveBitmaps();
        for (int round = 0; round < 3; ++round) {
            REQUIRE(corvelan.dispatch(OpEditorOpen, 0, hostWindow) == 1);
            CHECK(stub::liveBitmaps() == withBackground + 5);
            CHECK(panelWindowClassUsers() == 1);
            CHECK(stub::liveWindows() == 1);
            corvelan.plugin->setParam(round, 0.1f * (round + 1));
            corvelan.dispatch(OpEditorClose);
            CHECK(stub::liveBitmaps() == withBackground);
            CHECK(stub::liveWindows() == 0);
            CHECK(panelWindowClassUsers() == 0);
            CHECK(corvelan.editor->background()->referenceCount() == 1);
        }
        REQUIRE(corvelan.dispatch(OpEditorOpen, 0, hostWindow) == 1);
        CHECK(corvelan.editor->panFader(2)->getValue() == 0.3f);
        // The host destroys the effect with the window still open.
    }
    CHECK(stub::liveBitmaps() == before);
    CHECK(stub::liveWindows() == 0);
    CHECK(stub::registeredClasses() == 0);
}

TEST_CASE("panner editor: two plug-ins open at once share one window class")
{
    Corvelan first;
    Corvelan second;
    REQUIRE(first.dispatch(OpEditorOpen, 0, hostWindow) == 1);
    REQUIRE(second.dispatch(OpEditorOpen, 0, hostWindow) == 1);
    CHECK(panelWindowClassUsers() == 2);
    CHECK(stub::registeredClasses() == 1);
    first.dispatch(OpEditorClose);
    CHECK(stub::registeredClasses() == 1);
    second.dispatch(OpEditorClose);
    CHECK(stub::registeredClasses() == 0);
}

TEST_CASE("panner editor: controls with tags outside the parameters are ignored")
{
    Corvelan corvelan;
    corvelan.openAndPaint();
    Painter painter(corvelan.panel(), screen, nullptr);
    corvelan.editor->valueChanged(painter, corvelan.editor->aboutPicture());
    CHECK(FakeHost::instance().calls.empty());
    corvelan.editor->gainFader(3)->setValue(0.125f);
    corvelan.editor->valueChanged(painter, corvelan.editor->gainFader(3));
    REQUIRE(corvelan.automations().size() == 1);
    CHECK(corvelan.automations()[0].index == 7);
    CHECK(corvelan.automations()[0].opt == 0.125f);
    CHECK(corvelan.plugin->getParam(7) == 0.125f);
}
