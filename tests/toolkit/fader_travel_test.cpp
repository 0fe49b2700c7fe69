// The fader's arithmetic along its axis.
#include "toolkit/controls/fader_travel.h"

#include <doctest.h>

namespace {

// The panner's pan fader: minPos 13, maxPos 401, 10-pixel handle, control at x 12.
const FaderTravel pan{13, 401, 10, 12};
// Its gain fader: minPos 421, maxPos 490, 10-pixel handle, control at x 420.
const FaderTravel gain{421, 490, 10, 420};

} // namespace

TEST_CASE("fader travel: range and limits")
{
    CHECK(pan.range() == 388);
    CHECK(pan.lowerLimit() == 1);
    CHECK(pan.upperLimit() == 399);
    CHECK(gain.range() == 69);
    CHECK(gain.lowerLimit() == 1);
    CHECK(gain.upperLimit() == 80);
}

TEST_CASE("fader travel: where the handle is drawn")
{
    struct Case {
        const FaderTravel* travel;
        float fraction;
        std::int32_t offset;
        std::int32_t leading;
        std::int32_t trailing;
    };
    const Case cases[] = {
        {&pan, 0.5f, 0, 194, 204},   // panel x 206
        {&pan, 0.0f, 0, 1, 11},      // kept at the lower limit
        {&pan, 1.0f, 0, 388, 398},
        {&pan, 0.25f, 0, 97, 107},
        {&pan, 0.001f, 0, 1, 11},    // trunc(0.388) = 0, then the limit
        {&pan, 0.9999f, 0, 387, 397},
        {&gain, 0.0f, 0, 1, 11},
        {&gain, 1.0f, 0, 69, 79},
        {&gain, 0.5f, 0, 34, 44},
        {&pan, 0.5f, 5, 199, 209},   // the offset shifts the travel position
        {&pan, 0.0f, -3, 1, 11},
        {&pan, 1.0f, 5, 393, 399},   // clipped at the upper limit, not moved
        {&pan, 1.0f, 20, 408, 399},
    };
    for (const Case& c : cases) {
        CAPTURE(c.fraction);
        CAPTURE(c.offset);
        const HandleSpan span = c.travel->span(c.fraction, c.offset);
        CHECK(span.leading == c.leading);
        CHECK(span.trailing == c.trailing);
    }
}

TEST_CASE("fader travel: the value a drag gives")
{
    struct Case {
        const char* name;
        std::int32_t cursor;
        std::int32_t grip;
        bool reversed;
        bool fine;
        float reference;
        float value;
    };
    const Case cases[] = {
        {"at minPos", 13, 0, false, false, 0.0f, 0.0f},
        {"at maxPos", 401, 0, false, false, 0.0f, 1.0f},
        {"middle", 207, 0, false, false, 0.0f, 0.5f},
        {"grip behind the edge", 209, 2, false, false, 0.0f, 0.5f},
        {"press on a handle drawn at 0.5", 208, 2, false, false, 0.0f, 193.0f / 388.0f},
        {"past the start", -100, 0, false, false, 0.0f, 0.0f},
        {"past the end", 1000, 0, false, false, 0.0f, 1.0f},
        {"reversed middle", 207, 0, true, false, 0.0f, 0.5f},
        {"reversed at minPos", 13, 0, true, false, 0.0f, 1.0f},
        {"reversed quarter", 110, 0, true, false, 0.0f, 0.75f},
        {"fine at the reference", 207, 0, false, true, 0.5f, 0.5f},
        {"fine 97 pixels on", 304, 0, false, true, 0.5f, 0.5f + 0.025f},
        {"fine 97 pixels back", 110, 0, false, true, 0.5f, 0.5f - 0.025f},
        {"fine past the end stays inside", 5000, 0, false, true, 0.99f, 1.0f},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        CHECK(pan.dragValue(c.cursor, c.grip, c.reversed, c.fine, c.reference) == doctest::Approx(c.value).epsilon(1e-6));
    }
    CHECK(pan.dragValue(-100, 0, false, false, 0.0f) == 0.0f);
    CHECK(pan.dragValue(1000, 0, false, false, 0.0f) == 1.0f);
}

TEST_CASE("fader travel: a fader without travel keeps its value")
{
    const FaderTravel still{50, 50, 10, 40};
    CHECK(still.dragValue(200, 0, false, false, 0.3f) == 0.3f);
}
