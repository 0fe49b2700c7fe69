// Vertical and horizontal step switches: frames for values and the value
// a held cursor picks.
#include "tests/toolkit/toolkit_test_support.h"
#include "toolkit/core/mouse_buttons.h"
#include "toolkit/controls/horizontal_step_switch.h"
#include "toolkit/controls/vertical_step_switch.h"
#include "toolkit/core/skin_bitmap.h"

#include <doctest.h>

namespace {

const NativeSurface screen = reinterpret_cast<NativeSurface>(0x600);

// A three-position vertical switch of 30-pixel frames at (10, 10), and a
// horizontal one whose bitmap is 60 pixels wide at (100, 10).
struct Switches : ToolkitFixture {
    RecordingListener listener;
    Owned<PanelWindow> panel = makeBarePanel();
    VerticalStepSwitch* vertical;
    HorizontalStepSwitch* horizontal;

    Switches()
    {
        stub::defineBitmap(340, 20, 90);
        stub::defineBitmap(341, 60, 60);
        SkinBitmap* tall = new SkinBitmap(340);
        SkinBitmap* wide = new SkinBitmap(341);
        vertical = new VerticalStepSwitch({10, 10, 30, 40}, &listener, 1, 3, 30, 3, tall, {5, 5});
        horizontal = new HorizontalStepSwitch({100, 10, 160, 30}, &listener, 2, 3, 20, 3, wide, {0, 0});
        tall->release();
        wide->release();
        panel->addWidget(vertical);
        panel->addWidget(horizontal);
    }

    std::vector<float> press(PixelPoint where, std::vector<stub::MouseFrame> frames)
    {
        listener.calls.clear();
        stub::scriptMouse(frames);
        panel->pressWith(screen, where);
        std::vector<float> values;
        for (const ListenerCall& call : listener.calls)
            values.push_back(call.value);
        return values;
    }
};

} // namespace

TEST_CASE_FIXTURE(Switches, "step switch: default 0, and the frame of each value from x 0")
{
    CHECK(vertical->getDefault() == 0.0f);
    CHECK(horizontal->getDefault() == 0.0f);
    Painter painter(panel.get(), screen, nullptr);
    for (float value : {0.0f, 0.5f, 1.0f}) {
        vertical->setValue(value);
        vertical->redrawIfChanged(painter);
    }
    auto drawn = stub::events("bitmap.draw");
    REQUIRE(drawn.size() == 3);
    CHECK(drawn[0].point == PixelPoint{0, 0});
    CHECK(drawn[1].point == PixelPoint{0, 30});
    CHECK(drawn[2].point == PixelPoint{0, 60});
    CHECK(drawn[1].rect == PixelRect{10, 10, 30, 40});
}

TEST_CASE_FIXTURE(Switches, "step switch: a held cursor picks its band; boundaries go up on the vertical one")
{
    // Vertical: bands of 10 from the top at 10; the horizontal one's bands
    // of 20 from the left at 100.
    CHECK(
        press({12, 10}, {{{12, 10}, MouseLeft}, {{12, 20}, MouseLeft}, {{12, 30}, MouseLeft}, {{12, 29}, MouseLeft}}) ==
        std::vector<float>{0.0f, 0.5f, 1.0f, 0.5f});
    CHECK(press({120, 12}, {{{120, 12}, MouseLeft},
                            {{121, 12}, MouseLeft},
                            {{140, 12}, MouseLeft},
                            {{141, 12}, MouseLeft},
                            {{100, 12}, MouseLeft}}) == std::vector<float>{0.0f, 0.5f, 1.0f, 0.0f});
}

TEST_CASE_FIXTURE(Switches, "step switch: left plus Alt resets to 0; a disabled switch ignores presses")
{
    vertical->setValue(1.0f);
    CHECK(press({12, 30}, {{{12, 30}, ResetGestureButtons}}) == std::vector<float>{0.0f});
    CHECK(vertical->getValue() == 0.0f);
    vertical->setEnabled(false);
    CHECK(press({12, 30}, {{{12, 30}, MouseLeft}}).empty());
    CHECK(vertical->getValue() == 0.0f);
}
