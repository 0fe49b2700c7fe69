// RotaryKnob and FilmstripKnob: where the handle goes for a value, the
// value a cursor around the centre gives, and a drag.
#include "tests/toolkit/toolkit_test_support.h"
#include "toolkit/core/mouse_buttons.h"
#include "toolkit/controls/filmstrip_knob.h"
#include "toolkit/controls/rotary_knob.h"
#include "toolkit/core/skin_bitmap.h"

#include <doctest.h>

namespace {

const NativeSurface screen = reinterpret_cast<NativeSurface>(0x600);

// A 48-pixel knob with an 8 x 8 handle: inset 4, radius 20, centre (34, 34).
struct Knob : ToolkitFixture {
    RecordingListener listener;
    Owned<PanelWindow> panel = makeBarePanel();
    SkinBitmap* background;
    SkinBitmap* handle;
    RotaryKnob* knob;

    Knob()
    {
        stub::defineBitmap(330, 48, 48);
        stub::defineBitmap(331, 8, 8);
        background = new SkinBitmap(330);
        handle = new SkinBitmap(331);
        knob = new RotaryKnob({10, 10, 58, 58}, &listener, 3, background, handle, {2, 1});
        background->release();
        handle->release();
        panel->addWidget(knob);
    }

    void press(PixelPoint where, const std::vector<stub::MouseFrame>& frames)
    {
        stub::log().clear();
        listener.calls.clear();
        stub::scriptMouse(frames);
        panel->pressWith(screen, where);
    }
};

} // namespace

TEST_CASE_FIXTURE(Knob, "rotary knob: the handle travels 270 degrees clockwise from the lower left")
{
    CHECK(knob->getInset() == 4);
    struct Case {
        float minimum, maximum, value;
        PixelPoint point;
    };
    const Case cases[] = {
        {0.0f, 1.0f, 0.0f, {9, 38}},   {0.0f, 1.0f, 0.25f, {5, 16}}, {0.0f, 1.0f, 0.5f, {24, 4}},
        {0.0f, 1.0f, 0.75f, {42, 16}}, {0.0f, 1.0f, 1.0f, {38, 38}}, {-10.0f, 10.0f, 0.0f, {24, 4}},
        {2.0f, 4.0f, 2.0f, {9, 38}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.value);
        CAPTURE(c.minimum);
        knob->setMinimum(c.minimum);
        knob->setMaximum(c.maximum);
        knob->setValue(c.value);
        PixelPoint at;
        knob->valueToPoint(at);
        CHECK(at == c.point);
    }
}

TEST_CASE_FIXTURE(Knob, "rotary knob: the value for a cursor around the centre")
{
    struct Case {
        const char* name;
        PixelPoint relative;
        float minimum, maximum, value;
    };
    const Case cases[] = {
        {"top", {0, -10}, 0.0f, 1.0f, 0.5f},
        {"right", {10, 0}, 0.0f, 1.0f, 5.0f / 6.0f},
        {"left", {-10, 0}, 0.0f, 1.0f, 1.0f / 6.0f},
        {"lower left end", {-10, 10}, 0.0f, 1.0f, 0.0f},
        {"lower right end", {10, 10}, 0.0f, 1.0f, 1.0f},
        {"below, slightly right", {1, 10}, 0.0f, 1.0f, 1.0f},
        {"below, slightly left", {-1, 10}, 0.0f, 1.0f, 0.0f},
        {"top, other range", {0, -10}, 2.0f, 4.0f, 3.0f},
        {"below, slightly left, other range", {-1, 10}, 2.0f, 4.0f, 2.0f},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        knob->setMinimum(c.minimum);
        knob->setMaximum(c.maximum);
        PixelPoint relative = c.relative;
        CHECK(knob->pointToValue(relative) == doctest::Approx(c.value));
    }
}

TEST_CASE_FIXTURE(Knob, "rotary knob: background, then the handle drawn transparently on its circle")
{
    knob->setValue(0.5f);
    Painter painter(panel.get(), screen, nullptr);
    knob->redrawIfChanged(painter);
    auto plain = stub::events("bitmap.draw");
    REQUIRE(plain.size() == 1);
    CHECK(plain[0].id == 330);
    CHECK(plain[0].rect == PixelRect{10, 10, 58, 58});
    CHECK(plain[0].point == PixelPoint{2, 1});
    auto handles = stub::events("bitmap.drawTransparent");
    REQUIRE(handles.size() == 1);
    CHECK(handles[0].id == 331);
    CHECK(handles[0].rect == PixelRect{30, 10, 38, 18});
}

TEST_CASE_FIXTURE(Knob, "rotary knob: while a button is held the value follows the cursor's angle")
{
    press({34, 14}, {{{34, 14}, MouseLeft}, {{54, 34}, MouseLeft}, {{54, 34}, MouseLeft}, {{14, 34}, MouseRight}});
    REQUIRE(listener.calls.size() == 3);
    CHECK(listener.calls[0].value == 0.5f);
    CHECK(listener.calls[1].value == doctest::Approx(5.0f / 6.0f));
    CHECK(listener.calls[2].value == doctest::Approx(1.0f / 6.0f));
    CHECK(listener.calls[0].surface == screen);
    CHECK(listener.calls[0].tag == 3);
    CHECK(knob->getValue() == doctest::Approx(1.0f / 6.0f));
}

TEST_CASE_FIXTURE(Knob, "rotary knob: left plus Alt resets to the default; disabled it ignores presses")
{
    knob->setValue(0.9f);
    press({34, 14}, {{{34, 14}, ResetGestureButtons}});
    CHECK(knob->getValue() == 0.5f);
    REQUIRE(listener.calls.size() == 1);
    CHECK(listener.calls[0].value == 0.5f);

    knob->setEnabled(false);
    press({54, 34}, {{{54, 34}, MouseLeft}});
    CHECK(knob->getValue() == 0.5f);
    CHECK(listener.calls.empty());
}

TEST_CASE_FIXTURE(Knob, "rotary knob: setBackground swaps the retained background")
{
    stub::defineBitmap(332, 48, 48);
    SkinBitmap* other = new SkinBitmap(332);
    SkinBitmap* first = knob->getBackground();
    first->retain();
    knob->setBackground(other);
    CHECK(knob->getBackground() == other);
    CHECK(other->referenceCount() == 2);
    CHECK(first->referenceCount() == 1);
    first->release();
    other->release();
    panel.reset();
    CHECK(stub::liveBitmaps() == 0);
}

TEST_CASE_FIXTURE(ToolkitFixture, "filmstrip knob: its frame for the value, turned like a knob")
{
    stub::defineBitmap(335, 40, 200);
    SkinBitmap* strip = new SkinBitmap(335);
    RecordingListener listener;
    Owned<PanelWindow> panel = makeBarePanel();
    auto* knob = new FilmstripKnob({0, 0, 40, 40}, &listener, 8, 5, 40, strip, {7, 7});
    strip->release();
    panel->addWidget(knob);
    CHECK(knob->getInset() == 0);
    Painter painter(panel.get(), screen, nullptr);
    for (float value : {0.0f, 0.5f, 1.0f}) {
        knob->setValue(value);
        knob->redrawIfChanged(painter);
    }
    auto drawn = stub::events("bitmap.draw");
    REQUIRE(drawn.size() == 3);
    CHECK(drawn[0].point == PixelPoint{0, 0});
    CHECK(drawn[1].point == PixelPoint{0, 80});
    CHECK(drawn[2].point == PixelPoint{0, 160});
    CHECK(stub::events("bitmap.drawTransparent").empty());

    stub::scriptMouse({{{20, 2}, MouseLeft}});
    panel->pressWith(screen, PixelPoint{20, 2});
    REQUIRE(listener.calls.size() == 1);
    CHECK(listener.calls[0].value == 0.5f);
}
