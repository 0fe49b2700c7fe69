// The meters' law: peak to height, rise and fall, and what a meter draws.
#include "effects/reverb/editor/level_meter.h"
#include "tests/reverb_editor/recording_surface.h"

#include <doctest.h>

#include <limits>
#include <vector>

TEST_CASE("level meter: peaks become heights at 3.04 pixels per dB, full scale lighting 150")
{
    struct Case {
        float peak;
        int height;
    };
    const Case cases[] = {
        {0.0f, 0},   {1.0f, 150}, {2.0f, 168},   {0.5f, 132},   {4.0f, 169},  {100.0f, 169},
        {0.1f, 89},  {0.003f, 0}, {-1.0f, 0},   {0.004f, 4},   {1.0e-9f, 0},
    };
    for (const Case& c : cases) {
        CAPTURE(c.peak);
        CHECK(meterTarget(c.peak) == c.height);
    }
    CHECK(meterTarget(std::numeric_limits<float>::quiet_NaN()) == 0);
}

TEST_CASE("level meter: from the 248 of a new effect, silence falls 123, 61, 30, 14, 6, 2, 0")
{
    std::int16_t shown = 248;
    std::vector<int> heights;
    for (int tick = 0; tick < 8; ++tick) {
        shown = nextMeterHeight(shown, 0);
        heights.push_back(shown);
    }
    CHECK(heights == std::vector<int>{123, 61, 30, 14, 6, 2, 0, 0});
}

TEST_CASE("level meter: a full bar falls 84, 41, 20, 9, 4, 1, 0; a rise is instant")
{
    std::int16_t shown = 169;
    std::vector<int> heights;
    for (int tick = 0; tick < 7; ++tick) {
        shown = nextMeterHeight(shown, 0);
        heights.push_back(shown);
    }
    CHECK(heights == std::vector<int>{84, 41, 20, 9, 4, 1, 0});
    CHECK(nextMeterHeight(3, 150) == 150);
}

TEST_CASE("level meter: a constant level alternates between the target and one below")
{
    std::int16_t shown = 0;
    std::vector<int> heights;
    for (int tick = 0; tick < 5; ++tick) {
        shown = nextMeterHeight(shown, 132);
        heights.push_back(shown);
    }
    CHECK(heights == std::vector<int>{132, 131, 132, 131, 132});
}

TEST_CASE("level meter: the unlit top, then the lit bitmap clipped to the bottom pixels")
{
    RecordingSurface surface;
    drawMeter(surface, 449, 150);
    CHECK(surface.take() == std::vector<std::string>{
                                "skin 134 at 449,34 size 17x19",
                                "exclude 449,34-465,53",
                                "skin 133 at 449,34 size 0x0",
                            });
    drawMeter(surface, 480, 169);
    CHECK(surface.take() == std::vector<std::string>{
                                "exclude 480,34-496,34",
                                "skin 133 at 480,34 size 0x0",
                            });
    drawMeter(surface, 480, 0);
    CHECK(surface.take() == std::vector<std::string>{
                                "skin 134 at 480,34 size 17x169",
                                "exclude 480,34-496,203",
                                "skin 133 at 480,34 size 0x0",
                            });
}
