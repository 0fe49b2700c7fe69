// The two-state buttons: drawing, redrawing when set, their hit areas.
#include "effects/reverb/editor/toggle_button.h"
#include "tests/reverb_editor/recording_surface.h"

#include <doctest.h>

TEST_CASE("toggle button: starts off, and draws on every setState")
{
    RecordingSurface surface;
    ToggleButton tail(surface, TailButtonSpec);
    CHECK_FALSE(tail.state());
    CHECK(surface.take() == std::vector<std::string>{"skin 145 at 62,223 size 43x22"});
    tail.setState(true);
    tail.setState(true);
    CHECK(surface.take() == std::vector<std::string>{"skin 144 at 62,223 size 43x22", "skin 144 at 62,223 size 43x22"});
}

TEST_CASE("toggle button: the gate key draws only its 24 x 17 bitmap in its 43 x 22 area")
{
    RecordingSurface surface;
    ToggleButton gate(surface, GateButtonSpec);
    CHECK(surface.take() == std::vector<std::string>{"skin 147 at 328,14 size 24x17"});
    CHECK(gate.trackAt(328 + 43, 14 + 22));
    CHECK(gate.state());
    CHECK(surface.take() == std::vector<std::string>{"skin 146 at 328,14 size 24x17"});
}

TEST_CASE("toggle button: a press inside the area, edges included, flips it")
{
    struct Case {
        int dx;
        int dy;
        bool hit;
    };
    const Case cases[] = {{0, 0, true},   {43, 22, true},  {20, 10, true},  {-1, 10, false},
                          {44, 10, false}, {20, -1, false}, {20, 23, false}};
    for (const Case& c : cases) {
        CAPTURE(c.dx);
        CAPTURE(c.dy);
        RecordingSurface surface;
        ToggleButton mute(surface, MuteButtonSpec);
        CHECK(mute.trackAt(MuteButtonSpec.x + c.dx, MuteButtonSpec.y + c.dy) == c.hit);
        CHECK(mute.state() == c.hit);
    }
}
