// LatchButton: off frame above on frame; every press flips it.
#include "tests/toolkit/toolkit_test_support.h"
#include "toolkit/core/mouse_buttons.h"
#include "toolkit/controls/latch_button.h"
#include "toolkit/core/skin_bitmap.h"

#include <doctest.h>

TEST_CASE_FIXTURE(ToolkitFixture, "latch button: each press flips it, draws it and reports it")
{
    RecordingListener listener;
    listener.redraw = false;
    Owned<PanelWindow> panel = makeBarePanel();
    stub::defineBitmap(350, 40, 40);
    SkinBitmap* frames = new SkinBitmap(350);
    auto* button = new LatchButton({10, 10, 50, 30}, &listener, 5, frames);
    frames->release();
    panel->addWidget(button);
    const NativeSurface screen = reinterpret_cast<NativeSurface>(0x600);

    struct Step {
        float before;
        std::int32_t buttons;
        float after;
        std::int32_t sourceY;
    };
    // trunc(value) decides: 0.7 counts as off.
    const Step steps[] = {
        {0.0f, MouseLeft, 1.0f, 20},
        {1.0f, MouseRight, 0.0f, 0},
        {0.7f, MouseLeft, 1.0f, 20},
        {2.0f, ResetGestureButtons, 0.0f, 0},
    };
    for (const Step& s : steps) {
        CAPTURE(s.before);
        button->setValue(s.before);
        stub::log().clear();
        listener.calls.clear();
        stub::scriptMouse({{{20, 20}, s.buttons}});
        panel->pressWith(screen, PixelPoint{20, 20});
        CHECK(button->getValue() == s.after);
        auto drawn = stub::events("bitmap.draw");
        REQUIRE(drawn.size() == 1);
        CHECK(drawn[0].point == PixelPoint{0, s.sourceY});
        CHECK(drawn[0].rect == PixelRect{10, 10, 50, 30});
        REQUIRE(listener.calls.size() == 1);
        CHECK(listener.calls[0].value == s.after);
        CHECK(listener.calls[0].tag == 5);
    }
    button->setEnabled(false);
    listener.calls.clear();
    panel->pressWith(screen, PixelPoint{20, 20});
    CHECK(listener.calls.empty());
}
