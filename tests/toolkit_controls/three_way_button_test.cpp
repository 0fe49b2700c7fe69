// ThreeWayButton: -1 on the left half, 1 on the right half while held, 0 after.
#include "tests/toolkit/toolkit_test_support.h"
#include "toolkit/core/mouse_buttons.h"
#include "toolkit/controls/three_way_button.h"
#include "toolkit/core/skin_bitmap.h"

#include <doctest.h>

TEST_CASE_FIXTURE(ToolkitFixture, "three-way button: held it follows the half under the cursor, let go it is 0")
{
    RecordingListener listener;
    Owned<PanelWindow> panel = makeBarePanel();
    stub::defineBitmap(360, 40, 60);
    SkinBitmap* strip = new SkinBitmap(360);
    // 40 wide from x 10: the left half is x 10 .. 29.
    auto* button = new ThreeWayButton({10, 10, 50, 30}, &listener, 6, 20, strip, {0, 2});
    strip->release();
    panel->addWidget(button);
    const NativeSurface screen = reinterpret_cast<NativeSurface>(0x600);
    // On screen at 0 already: a first -1 differs from what was drawn.
    panel->paintWith(screen);

    struct Case {
        const char* name;
        std::vector<stub::MouseFrame> frames;
        std::vector<float> reported;
    };
    const Case cases[] = {
        {"left half", {{{12, 20}, MouseLeft}}, {-1.0f, 0.0f}},
        {"right half from the middle", {{{30, 20}, MouseLeft}}, {1.0f, 0.0f}},
        {"left, then out, then right",
         {{{29, 20}, MouseLeft}, {{80, 20}, MouseLeft}, {{45, 20}, MouseLeft}},
         {-1.0f, 0.0f, 1.0f, 0.0f}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        listener.calls.clear();
        stub::scriptMouse(c.frames);
        panel->pressWith(screen, c.frames[0].position);
        std::vector<float> reported;
        for (const ListenerCall& call : listener.calls)
            reported.push_back(call.value);
        CHECK(reported == c.reported);
        CHECK(button->getValue() == 0.0f);
    }

    stub::log().clear();
    Painter painter(panel.get(), screen, nullptr);
    for (float value : {-1.0f, 0.0f, 1.0f}) {
        button->setValue(value);
        button->draw(painter);
    }
    auto drawn = stub::events("bitmap.draw");
    REQUIRE(drawn.size() == 3);
    CHECK(drawn[0].point == PixelPoint{0, 2});
    CHECK(drawn[1].point == PixelPoint{0, 22});
    CHECK(drawn[2].point == PixelPoint{0, 42});
}
