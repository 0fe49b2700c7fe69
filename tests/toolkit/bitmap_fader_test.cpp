// Bitmap faders: drawing, dragging, fine mode and reset, on the stub.
#include "tests/toolkit/toolkit_test_support.h"
#include "toolkit/controls/horizontal_fader.h"
#include "toolkit/controls/vertical_fader.h"
#include "toolkit/core/mouse_buttons.h"
#include "toolkit/core/skin_bitmap.h"

#include <doctest.h>

namespace {

const NativeSurface screen = reinterpret_cast<NativeSurface>(0x500);

// The panner's first pan fader: track 400 x 18 (129), handle 10 x 12 (130),
// at (12, 15), travel 13 .. 401, handle raised by 4 pixels.
struct PanFader : ToolkitFixture {
    Owned<PanelWindow> panel = makeBarePanel({0, 0, 514, 150});
    SkinBitmap* track;
    SkinBitmap* handle;
    RecordingListener listener;
    HorizontalFader* fader;

    PanFader()
    {
        stub::defineBitmap(129, 400, 18);
        stub::defineBitmap(130, 10, 12);
        track = new SkinBitmap(129);
        handle = new SkinBitmap(130);
        fader = new HorizontalFader({12, 15, 412, 33}, &listener, 0, 13, 401, handle, track, {0, 0}, faderStyleLeft);
        fader->setHandleOffset({0, -4});
        panel->addWidget(fader);
        track->release();
        handle->release();
    }

    void drawAt(float value)
    {
        fader->setValue(value);
        Painter painter(panel.get(), screen, nullptr);
        fader->draw(painter);
        stub::log().clear();
    }

    void press(PixelPoint where, const std::vector<stub::MouseFrame>& later, std::int32_t buttons = MouseLeft)
    {
        std::vector<stub::MouseFrame> frames{{where, buttons}};
        frames.insert(frames.end(), later.begin(), later.end());
        stub::scriptMouse(frames);
        listener.calls.clear();
        panel->pressWith(screen, where);
    }

    std::vector<float> reported() const
    {
        std::vector<float> values;
        for (const ListenerCall& call : listener.calls)
            values.push_back(call.value);
        return values;
    }
};

} // namespace

TEST_CASE_FIXTURE(PanFader, "bitmap fader: construction reads the handle and computes the limits")
{
    CHECK(fader->getHandleLowerLimit() == 1);
    CHECK(fader->getHandleUpperLimit() == 399);
    CHECK(fader->getMinPos() == 13);
    CHECK(fader->getMaxPos() == 401);
    CHECK(track->referenceCount() == 1);
    CHECK(handle->referenceCount() == 1);
    CHECK(fader->getHandlePosition() == 13);
}

TEST_CASE_FIXTURE(PanFader, "bitmap fader: a draw composes track and handle offscreen and copies once")
{
    struct Case {
        float value;
        std::int32_t handleLeft; // control coordinates
    };
    const Case cases[] = {{0.5f, 194}, {0.0f, 1}, {1.0f, 388}, {0.75f, 291}};
    for (const Case& c : cases) {
        CAPTURE(c.value);
        stub::log().clear();
        fader->setValue(c.value);
        {
            Painter painter(panel.get(), screen, nullptr);
            fader->draw(painter);
        }
        const auto made = stub::events("offscreen.create");
        REQUIRE(made.size() == 1);
        CHECK(made[0].rect == PixelRect{0, 0, 400, 18});
        const NativeSurface offscreen = made[0].surface;

        const auto tracks = stub::events("bitmap.draw");
        REQUIRE(tracks.size() == 1);
        CHECK(tracks[0].id == 129);
        CHECK(tracks[0].surface == offscreen);
        CHECK(tracks[0].rect == PixelRect{0, 0, 400, 18});

        const auto handles = stub::events("bitmap.drawTransparent");
        REQUIRE(handles.size() == 1);
        CHECK(handles[0].id == 130);
        CHECK(handles[0].surface == offscreen);
        CHECK(handles[0].rect == PixelRect{c.handleLeft, -4, c.handleLeft + 10, 8});
        CHECK(handles[0].point == PixelPoint{0, 0});

        const auto copies = stub::events("offscreen.copy");
        REQUIRE(copies.size() == 1);
        CHECK(copies[0].surface == screen);
        CHECK(copies[0].rect == PixelRect{12, 15, 412, 33});
        CHECK(stub::events("offscreen.destroy").size() == 1);

        CHECK(fader->getHandlePosition() == 12 + c.handleLeft);
        CHECK(fader->getLastDrawnValue() == c.value);
    }
    CHECK(stub::liveSurfaces() == 0);
}

TEST_CASE_FIXTURE(PanFader, "bitmap fader: an opaque handle and a fader without track")
{
    fader->setTransparentHandle(false);
    drawAt(0.5f);
    fader->setValue(0.25f);
    {
        Painter painter(panel.get(), screen, nullptr);
        fader->draw(painter);
    }
    CHECK(stub::events("bitmap.drawTransparent").empty());
    CHECK(stub::events("bitmap.draw").size() == 2);

    stub::log().clear();
    SkinBitmap* knob = new SkinBitmap(130);
    Owned<HorizontalFader> bare(
        new HorizontalFader({0, 0, 50, 12}, &listener, 1, 0, 40, knob, nullptr, {0, 0}, faderStyleLeft));
    knob->release();
    bare->setValue(1.0f);
    {
        Painter painter(panel.get(), screen, nullptr);
        bare->draw(painter);
    }
    CHECK(stub::events("bitmap.draw").empty());
    REQUIRE(stub::events("bitmap.drawTransparent").size() == 1);
    CHECK(stub::events("bitmap.drawTransparent")[0].rect == PixelRect{40, 0, 50, 12});
}

TEST_CASE_FIXTURE(PanFader, "bitmap fader: a drag follows the cursor, reports each new value and redraws it")
{
    drawAt(0.5f); // handle at panel x 206 .. 216
    press({208, 20}, {{{305, 22}, MouseLeft}, {{305, 22}, MouseLeft}, {{500, 22}, MouseLeft}, {{500, 22}, 0}});
    // A press without moving gives (206 - 13) / 388; 97 pixels on, 290 / 388.
    const std::vector<float> expected{193.0f / 388.0f, 290.0f / 388.0f, 1.0f};
    CHECK(reported() == expected);
    for (const ListenerCall& call : listener.calls)
        CHECK(call.surface == screen);
    CHECK(fader->getValue() == 1.0f);
    CHECK(stub::events("offscreen.copy").size() == 3);
    CHECK(stub::mousePositionReads() == 4);
}

TEST_CASE_FIXTURE(PanFader, "bitmap fader: a drag past either end gives exactly 0 or 1")
{
    struct Case {
        std::int32_t to;
        float value;
    };
    for (const Case c : {Case{-300, 0.0f}, Case{2000, 1.0f}, Case{0, 0.0f}, Case{411, 1.0f}}) {
        drawAt(0.5f);
        press({206, 20}, {{{c.to, 20}, MouseLeft}, {{c.to, 20}, 0}});
        CHECK(fader->getValue() == c.value);
        CHECK(listener.calls.back().value == c.value);
    }
}

TEST_CASE_FIXTURE(PanFader, "bitmap fader: Shift moves a tenth as fast")
{
    SUBCASE("held from the press: 97 pixels change the value by 0.025")
    {
        drawAt(0.5f);
        press({206, 20}, {{{303, 20}, MouseLeft | MouseShift}, {{303, 20}, 0}}, MouseLeft | MouseShift);
        REQUIRE(listener.calls.size() == 2);
        CHECK(listener.calls[1].value - listener.calls[0].value == doctest::Approx(0.025f).epsilon(1e-4));
    }
    SUBCASE("pressed mid-drag: continues finely from where the handle is")
    {
        drawAt(0.5f);
        press({206, 20},
              {{{303, 20}, MouseLeft}, {{303, 20}, MouseLeft | MouseShift}, {{400, 20}, MouseLeft | MouseShift},
               {{400, 20}, 0}});
        REQUIRE(listener.calls.size() == 3);
        const float atShift = 290.0f / 388.0f;
        CHECK(listener.calls[1].value == atShift);
        CHECK(listener.calls[2].value == doctest::Approx(atShift + 0.025f).epsilon(1e-5));
    }
    SUBCASE("let go mid-drag: the handle follows the cursor again")
    {
        drawAt(0.5f);
        press({206, 20}, {{{303, 20}, MouseLeft | MouseShift}, {{110, 20}, MouseLeft}, {{110, 20}, 0}},
              MouseLeft | MouseShift);
        CHECK(fader->getValue() == 97.0f / 388.0f);
    }
}

TEST_CASE_FIXTURE(PanFader, "bitmap fader: which presses start a drag")
{
    struct Case {
        const char* name;
        PixelPoint where;
        std::int32_t buttons;
        bool enabled;
        std::size_t reports;
        float valueAfter;
    };
    const Case cases[] = {
        {"left on the handle", {210, 20}, MouseLeft, true, 2, 1.0f},
        {"left and Shift on the handle", {210, 20}, MouseLeft | MouseShift, true, 2, -1.0f},
        {"left beside the handle", {150, 20}, MouseLeft, true, 0, 0.5f},
        {"left below the handle rows", {210, 28}, MouseLeft, true, 0, 0.5f},
        {"on the handle's right edge", {216, 27}, MouseLeft, true, 2, 1.0f},
        {"right button", {210, 20}, MouseRight, true, 0, 0.5f},
        {"left and Ctrl", {210, 20}, MouseLeft | MouseCtrl, true, 0, 0.5f},
        {"left, Alt and Shift (41)", {210, 20}, MouseLeft | MouseAlt | MouseShift, true, 0, 0.5f},
        {"disabled", {210, 20}, MouseLeft, false, 0, 0.5f},
        {"disabled, reset gesture", {210, 20}, MouseLeft | MouseAlt, false, 0, 0.5f},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        fader->setEnabled(c.enabled);
        drawAt(0.5f);
        press(c.where, {{{600, 20}, c.buttons}, {{600, 20}, 0}}, c.buttons);
        CHECK(listener.calls.size() == c.reports);
        if (c.valueAfter >= 0.0f)
            CHECK(fader->getValue() == c.valueAfter);
    }
}

TEST_CASE_FIXTURE(PanFader, "bitmap fader: left plus Alt resets to the default, on the handle or not")
{
    struct Case {
        const char* name;
        float drawn;
        float fallback;
        PixelPoint where;
        std::size_t reports;
    };
    const Case cases[] = {
        {"beside the handle", 0.2f, 0.75f, {300, 20}, 1},
        {"on the handle", 0.2f, 0.75f, {90, 20}, 1},
        {"plain default 0.5", 0.9f, 0.5f, {40, 20}, 1},
        {"already at the default: nothing to tell", 0.75f, 0.75f, {300, 20}, 0},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        fader->setDefault(c.fallback);
        drawAt(c.drawn);
        press(c.where, {{{c.where.x + 50, 20}, MouseLeft | MouseAlt}}, MouseLeft | MouseAlt);
        CHECK(fader->getValue() == c.fallback);
        CHECK(listener.calls.size() == c.reports);
        CHECK(stub::mousePositionReads() == 0); // no drag follows
    }
}

TEST_CASE_FIXTURE(PanFader, "bitmap fader: reports go by the value last drawn, not the previous value")
{
    listener.redraw = false; // nobody draws: every pass differs from the drawn value
    drawAt(0.5f);
    press({206, 20}, {{{206, 20}, MouseLeft}, {{206, 20}, MouseLeft}, {{206, 20}, 0}});
    CHECK(listener.calls.size() == 3);
}

TEST_CASE_FIXTURE(PanFader, "bitmap fader: mouse style right maps the right end to 0")
{
    SkinBitmap* knob = new SkinBitmap(130);
    HorizontalFader* reversed =
        new HorizontalFader({12, 60, 412, 78}, &listener, 5, 13, 401, knob, nullptr, {0, 0}, faderStyleRight);
    knob->release();
    panel->addWidget(reversed);
    reversed->setValue(0.25f); // drawn reversed: handle left at trunc(0.75 * 388) = 291
    {
        Painter painter(panel.get(), screen, nullptr);
        reversed->draw(painter);
    }
    CHECK(reversed->getHandlePosition() == 12 + 291);
    press({303, 65}, {{{110, 65}, MouseLeft}, {{110, 65}, 0}});
    REQUIRE(listener.calls.size() == 2);
    CHECK(listener.calls[1].tag == 5);
    CHECK(listener.calls[1].value == 0.75f); // 97 / 388 from the left is 0.75 from the right
}

TEST_CASE_FIXTURE(PanFader, "bitmap fader: a drag gives the editor idle passes")
{
    Owned<QuietEffect> effect(new QuietEffect);
    CountingEditor* editor = new CountingEditor(effect.get());
    PanelWindow* editorPanel = editor->makePanel({0, 0, 514, 150});
    SkinBitmap* knob = new SkinBitmap(130);
    HorizontalFader* owned = new HorizontalFader({12, 15, 412, 33}, &listener, 0, 13, 401, knob, nullptr, {0, 0}, 8);
    knob->release();
    editorPanel->addWidget(owned);
    {
        Painter painter(editorPanel, screen, nullptr);
        owned->draw(painter);
    }
    stub::setTickCount(100);
    stub::scriptMouse({{{14, 20}, MouseLeft}, {{50, 20}, MouseLeft}, {{60, 20}, MouseLeft}, {{60, 20}, 0}});
    editorPanel->pressWith(screen, {14, 20});
    // Three passes of the loop at one instant: one idle pass gets through.
    std::size_t idles = 0;
    for (const HostCall& call : FakeHost::instance().calls)
        idles += call.opcode == HostIdle ? 1 : 0;
    CHECK(idles == 1);
    editor->dropPanel();
}

TEST_CASE_FIXTURE(ToolkitFixture, "bitmap fader: vertical faders work along y")
{
    stub::defineBitmap(140, 12, 10);
    Owned<PanelWindow> panel = makeBarePanel({0, 0, 100, 200});
    RecordingListener listener;
    SkinBitmap* knob = new SkinBitmap(140);
    // Control at y 20, travel 21 .. 121, handle 10 high.
    VerticalFader* top = new VerticalFader({30, 20, 42, 131}, &listener, 3, 21, 121, knob, nullptr, {0, 0},
                                           faderStyleTop);
    VerticalFader* bottom = new VerticalFader({60, 20, 72, 131}, &listener, 4, 21, 121, knob, nullptr, {0, 0},
                                              faderStyleBottom);
    knob->release();
    panel->addWidget(top);
    panel->addWidget(bottom);
    CHECK(top->getHandlePosition() == 121);
    CHECK(top->getHandleLowerLimit() == 1);
    CHECK(top->getHandleUpperLimit() == 111);

    struct Case {
        VerticalFader* fader;
        float value;
        std::int32_t handleTop;
    };
    const Case cases[] = {{top, 0.0f, 1}, {top, 0.5f, 50}, {top, 1.0f, 100}, {bottom, 0.0f, 100}, {bottom, 1.0f, 1},
                          {bottom, 0.25f, 75}};
    for (const Case& c : cases) {
        stub::log().clear();
        c.fader->setValue(c.value);
        Painter painter(panel.get(), screen, nullptr);
        c.fader->draw(painter);
        const auto handles = stub::events("bitmap.drawTransparent");
        REQUIRE(handles.size() == 1);
        CHECK(handles[0].rect == PixelRect{0, c.handleTop, 12, c.handleTop + 10});
        CHECK(c.fader->getHandlePosition() == 20 + c.handleTop);
    }

    // bottom's handle at y 95 for 0.25; dragging it up by 50 pixels adds 0.5.
    stub::scriptMouse({{{65, 97}, MouseLeft}, {{65, 47}, MouseLeft}, {{65, 47}, 0}});
    panel->pressWith(screen, {65, 97});
    REQUIRE(listener.calls.size() == 2);
    CHECK(listener.calls[1].tag == 4);
    CHECK(listener.calls[1].value == doctest::Approx(0.76f).epsilon(1e-5));
}
