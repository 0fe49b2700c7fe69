// The frame a filmstrip control shows for a value, and the value a step
// switch takes for a cursor.
#include "tests/toolkit/toolkit_test_support.h"
#include "toolkit/core/mouse_buttons.h"
#include "toolkit/controls/filmstrip.h"
#include "toolkit/controls/filmstrip_view.h"
#include "toolkit/core/skin_bitmap.h"

#include <doctest.h>

TEST_CASE("filmstrip: a step switch's frame for its value")
{
    struct Case {
        std::int32_t positions;
        float value;
        std::int32_t frame;
    };
    const Case cases[] = {
        {3, 0.0f, 0},  {3, 0.49f, 0}, {3, 0.5f, 1}, {3, 0.99f, 1}, {3, 1.0f, 2},  {3, 7.0f, 2},
        {3, -1.0f, 0}, {2, 0.5f, 0},  {2, 1.0f, 1}, {5, 0.25f, 1}, {5, 0.74f, 2}, {1, 0.5f, 0},
    };
    for (const Case& c : cases) {
        CAPTURE(c.positions);
        CAPTURE(c.value);
        CHECK(stepSwitchFrame(c.value, c.positions) == c.frame);
    }
}

TEST_CASE("filmstrip: a step switch's value for a cursor along it")
{
    struct Case {
        std::int32_t offset;
        std::int32_t length;
        std::int32_t positions;
        bool boundaryGoesUp;
        float value;
    };
    const Case cases[] = {
        // 30 pixels in three bands of 10, boundaries at 10 and 20.
        {0, 30, 3, true, 0.0f},   {9, 30, 3, true, 0.0f},   {10, 30, 3, true, 0.5f},  {19, 30, 3, true, 0.5f},
        {20, 30, 3, true, 1.0f},  {30, 30, 3, true, 1.0f},  {45, 30, 3, true, 1.0f},  {-5, 30, 3, true, 0.0f},
        {0, 30, 3, false, 0.0f},  {10, 30, 3, false, 0.0f}, {11, 30, 3, false, 0.5f}, {20, 30, 3, false, 0.5f},
        {21, 30, 3, false, 1.0f}, {-5, 30, 3, false, 0.0f}, {99, 30, 3, false, 1.0f}, {5, 10, 2, true, 1.0f},
        {5, 10, 2, false, 0.0f},  {5, 10, 1, true, 0.0f},
    };
    for (const Case& c : cases) {
        CAPTURE(c.offset);
        CAPTURE(c.boundaryGoesUp);
        CAPTURE(c.positions);
        CHECK(stepSwitchValue(c.offset, c.length, c.positions, c.boundaryGoesUp) == c.value);
    }
}

TEST_CASE("filmstrip: a view's frame, a knob's source y and a three-way button's frame")
{
    struct ViewCase {
        float value;
        std::int32_t frame;
    };
    const ViewCase views[] = {{0.0f, 0}, {-0.5f, 0}, {0.16f, 0}, {0.17f, 1},
                              {0.5f, 2}, {0.84f, 3}, {1.0f, 3},  {4.0f, 3}};
    for (const ViewCase& c : views) {
        CAPTURE(c.value);
        CHECK(filmstripViewFrame(c.value, 4) == c.frame);
    }

    struct KnobCase {
        float value;
        std::int32_t sourceY;
    };
    // Five frames of 20: the value times 80 pixels, lowered to a frame start.
    const KnobCase knobs[] = {{0.0f, 0},   {-1.0f, 0},  {0.24f, 0}, {0.25f, 20}, {0.5f, 40},
                              {0.74f, 40}, {0.99f, 60}, {1.0f, 80}, {1.5f, 80}};
    for (const KnobCase& c : knobs) {
        CAPTURE(c.value);
        CHECK(filmstripKnobSourceY(c.value, 5, 20) == c.sourceY);
    }

    CHECK(threeWayFrame(-1.0f) == 0);
    CHECK(threeWayFrame(0.0f) == 1);
    CHECK(threeWayFrame(1.0f) == 2);
}

TEST_CASE_FIXTURE(ToolkitFixture, "filmstrip view: draws its frame from its offset and ignores presses")
{
    stub::defineBitmap(320, 30, 120);
    SkinBitmap* strip = new SkinBitmap(320);
    RecordingListener listener;
    Owned<FilmstripView> view(new FilmstripView({5, 6, 35, 36}, &listener, 2, 4, 30, strip, {0, 3}));
    strip->release();
    view->setValue(0.5f);
    Painter painter(nullptr, reinterpret_cast<NativeSurface>(0x600), nullptr);
    view->redrawIfChanged(painter);
    auto drawn = stub::events("bitmap.draw");
    REQUIRE(drawn.size() == 1);
    CHECK(drawn[0].rect == PixelRect{5, 6, 35, 36});
    CHECK(drawn[0].point == PixelPoint{0, 63});
    stub::scriptMouse({{{10, 10}, MouseLeft}});
    PixelPoint where{10, 10};
    view->onMouseDown(painter, where);
    CHECK(listener.calls.empty());
    CHECK(view->getValue() == 0.5f);
    view.reset();
    CHECK(stub::liveBitmaps() == 0);
}
