// FrameAnimation: stepping through the strip, drawing only while running,
// and presses that start and stop it.
#include "tests/toolkit/toolkit_test_support.h"
#include "toolkit/core/mouse_buttons.h"
#include "toolkit/controls/frame_animation.h"
#include "toolkit/core/skin_bitmap.h"

#include <doctest.h>

namespace {

const NativeSurface screen = reinterpret_cast<NativeSurface>(0x600);

// Four frames of 30 pixels: 120 in all.
struct Animation : ToolkitFixture {
    RecordingListener listener;
    Owned<PanelWindow> panel = makeBarePanel();
    FrameAnimation* animation;

    Animation()
    {
        stub::defineBitmap(380, 30, 120);
        SkinBitmap* strip = new SkinBitmap(380);
        animation = new FrameAnimation({10, 10, 40, 40}, &listener, 7, 4, 30, strip, {0, 1});
        strip->release();
        panel->addWidget(animation);
    }
};

} // namespace

TEST_CASE_FIXTURE(Animation, "frame animation: next and previous frame wrap as the strip's owner steps it")
{
    CHECK(animation->getTotalHeight() == 120);
    std::vector<float> forward;
    for (int i = 0; i < 4; ++i) {
        animation->nextFrame();
        forward.push_back(animation->getValue());
    }
    CHECK(forward == std::vector<float>{30.0f, 60.0f, 0.0f, 30.0f});
    std::vector<float> backward;
    for (int i = 0; i < 3; ++i) {
        animation->previousFrame();
        backward.push_back(animation->getValue());
    }
    CHECK(backward == std::vector<float>{0.0f, 89.0f, 59.0f});
}

TEST_CASE_FIXTURE(Animation, "frame animation: drawn only while running, from the value's pixel row")
{
    Painter painter(panel.get(), screen, nullptr);
    animation->setValue(60.0f);
    animation->redrawIfChanged(painter);
    CHECK(stub::events("bitmap.draw").empty());
    CHECK(animation->getLastDrawnValue() == 60.0f);
    animation->start();
    animation->nextFrame();
    animation->redrawIfChanged(painter);
    auto drawn = stub::events("bitmap.draw");
    REQUIRE(drawn.size() == 1);
    CHECK(drawn[0].point == PixelPoint{0, 1});
    CHECK(drawn[0].rect == PixelRect{10, 10, 40, 40});
}

TEST_CASE_FIXTURE(Animation,
                  "frame animation: a press starts it from the first frame, the next one rewinds and stops it")
{
    animation->setValue(60.0f);
    stub::scriptMouse({{{20, 20}, MouseLeft}});
    panel->pressWith(screen, PixelPoint{20, 20});
    CHECK(animation->isRunning());
    CHECK(animation->getValue() == 0.0f);
    REQUIRE(listener.calls.size() == 1);
    CHECK(listener.calls[0].tag == 7);
    // The listener's redraw showed the first frame.
    auto drawn = stub::events("bitmap.draw");
    REQUIRE(drawn.size() == 1);
    CHECK(drawn[0].point == PixelPoint{0, 1});

    animation->nextFrame();
    stub::log().clear();
    listener.calls.clear();
    panel->pressWith(screen, PixelPoint{20, 20});
    CHECK_FALSE(animation->isRunning());
    CHECK(animation->getValue() == 0.0f);
    CHECK(listener.calls.empty());
    drawn = stub::events("bitmap.draw");
    REQUIRE(drawn.size() == 1);
    CHECK(drawn[0].point == PixelPoint{0, 1});
}
