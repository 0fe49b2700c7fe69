// LevelMeter: lit in whole LEDs from the left or the bottom, falling by at
// most its decrease step per draw.
#include "tests/toolkit/toolkit_test_support.h"
#include "toolkit/core/mouse_buttons.h"
#include "toolkit/controls/level_meter.h"
#include "toolkit/core/skin_bitmap.h"

#include <doctest.h>

namespace {

const NativeSurface screen = reinterpret_cast<NativeSurface>(0x600);

struct Meters : ToolkitFixture {
    SkinBitmap* on;
    SkinBitmap* off;

    Meters()
    {
        stub::defineBitmap(400, 16, 100);
        stub::defineBitmap(401, 16, 100);
        stub::defineBitmap(402, 100, 10);
        stub::defineBitmap(403, 100, 10);
        on = new SkinBitmap(400);
        off = new SkinBitmap(401);
    }
    ~Meters()
    {
        on->release();
        off->release();
    }
};

} // namespace

TEST_CASE_FIXTURE(Meters, "level meter: falling from 1 to 0 with step 0.25 shows 0.75, 0.5, 0.25 and 0")
{
    Owned<LevelMeter> meter(new LevelMeter({10, 10, 26, 110}, on, off, 10, 0));
    CHECK(meter->getListener() == nullptr);
    CHECK(meter->getTag() == 0);
    meter->setDecreaseStep(0.25f);
    Painter painter(nullptr, screen, nullptr);
    meter->setValue(1.0f);
    meter->redrawIfChanged(painter);
    CHECK(meter->getLastDrawnValue() == 1.0f);
    meter->setValue(0.0f);
    std::vector<float> shown;
    for (int i = 0; i < 5; ++i) {
        stub::log().clear();
        meter->redrawIfChanged(painter);
        if (!stub::events("bitmap.draw").empty())
            shown.push_back(meter->getLastDrawnValue());
    }
    CHECK(shown == std::vector<float>{0.75f, 0.5f, 0.25f, 0.0f});
    // Rising is immediate.
    meter->setValue(0.9f);
    meter->redrawIfChanged(painter);
    CHECK(meter->getLastDrawnValue() == 0.9f);
}

TEST_CASE_FIXTURE(Meters, "level meter: vertical, the off bitmap above the lit LEDs")
{
    struct Case {
        float value;
        std::int32_t unlit;
    };
    // Ten LEDs on 100 pixels; values outside 0 .. 1 are held to it.
    const Case cases[] = {{1.0f, 0}, {0.0f, 100}, {0.5f, 50}, {0.44f, 60}, {0.46f, 50}, {1.7f, 0}, {-2.0f, 100}};
    for (const Case& c : cases) {
        CAPTURE(c.value);
        Owned<LevelMeter> meter(new LevelMeter({10, 10, 26, 110}, on, off, 10, 0));
        meter->setValue(c.value);
        stub::log().clear();
        Painter painter(nullptr, screen, nullptr);
        meter->draw(painter);
        auto drawn = stub::events("bitmap.draw");
        REQUIRE(drawn.size() == 2);
        CHECK(drawn[0].id == 401);
        CHECK(drawn[0].rect == PixelRect{10, 10, 26, 10 + c.unlit});
        CHECK(drawn[0].point == PixelPoint{0, 0});
        CHECK(drawn[1].id == 400);
        CHECK(drawn[1].rect == PixelRect{10, 10 + c.unlit, 26, 110});
        CHECK(drawn[1].point == PixelPoint{0, c.unlit});
        CHECK(meter->getOnRect() == drawn[1].rect);
        CHECK(meter->getOffRect() == drawn[0].rect);
    }
}

TEST_CASE_FIXTURE(Meters, "level meter: horizontal, lit from the left, in whole LEDs")
{
    SkinBitmap* wideOn = new SkinBitmap(402);
    SkinBitmap* wideOff = new SkinBitmap(403);
    struct Case {
        float value;
        std::int32_t lit;
    };
    // Eight LEDs on 100 pixels: 12 pixels and a half each, cut to whole pixels.
    const Case cases[] = {{1.0f, 100}, {0.0f, 0}, {0.5f, 50}, {0.3f, 25}, {0.32f, 37}};
    for (const Case& c : cases) {
        CAPTURE(c.value);
        Owned<LevelMeter> meter(new LevelMeter({0, 50, 100, 60}, wideOn, wideOff, 8, meterHorizontal));
        meter->setValue(c.value);
        stub::log().clear();
        Painter painter(nullptr, screen, nullptr);
        meter->draw(painter);
        auto drawn = stub::events("bitmap.draw");
        REQUIRE(drawn.size() == 2);
        CHECK(drawn[0].id == 403);
        CHECK(drawn[0].rect == PixelRect{c.lit, 50, 100, 60});
        CHECK(drawn[0].point == PixelPoint{c.lit, 0});
        CHECK(drawn[1].id == 402);
        CHECK(drawn[1].rect == PixelRect{0, 50, c.lit, 60});
    }
    wideOn->release();
    wideOff->release();
}

TEST_CASE_FIXTURE(Meters, "level meter: nothing without an on bitmap; no off bitmap leaves the unlit part alone")
{
    Painter painter(nullptr, screen, nullptr);
    Owned<LevelMeter> bare(new LevelMeter({10, 10, 26, 110}, nullptr, off, 10, 0));
    bare->setValue(0.5f);
    bare->redrawIfChanged(painter);
    CHECK(stub::events("bitmap.draw").empty());
    Owned<LevelMeter> onOnly(new LevelMeter({10, 10, 26, 110}, on, nullptr, 10, 0));
    onOnly->setValue(0.5f);
    onOnly->redrawIfChanged(painter);
    auto drawn = stub::events("bitmap.draw");
    REQUIRE(drawn.size() == 1);
    CHECK(drawn[0].id == 400);
}
