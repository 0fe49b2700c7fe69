// The level fader: cap travel, drawing around the cap, its mouse zone.
#include "effects/reverb/editor/gain_fader.h"
#include "tests/reverb_editor/recording_surface.h"

#include <doctest.h>

TEST_CASE("gain fader: draws at 0 dB when created, the track around the cap")
{
    RecordingSurface surface;
    GainFader dry(surface, FaderLayout[0]); // 369, 44, offset 0
    CHECK(dry.value() == 120.0f);
    CHECK(dry.capPosition() == 77);
    CHECK(surface.take() == std::vector<std::string>{
                                "skin 136 at 378,105 size 0x0",
                                "exclude 378,105-398,139",
                                "skin 140 at 378,26 size 0x0",
                                "reset clip",
                                "skin 135 at 369,221 size 0x0",
                                "text 370,225-406,243 \"  0 dB\"",
                            });
    GainFader wet(surface, FaderLayout[1]); // 409, 44, offset -2
    CHECK(surface.take() == std::vector<std::string>{
                                "skin 137 at 416,105 size 0x0",
                                "exclude 416,105-436,139",
                                "skin 141 at 416,26 size 0x0",
                                "reset clip",
                                "skin 135 at 409,221 size 0x0",
                                "text 410,225-446,243 \"  0 dB\"",
                            });
}

TEST_CASE("gain fader: the cap travels 155 pixels from +24 dB to mute")
{
    struct Case {
        float value;
        int position;
        const char* text;
    };
    const Case cases[] = {{240.0f, 0, " 24 dB"}, {0.0f, 155, "mute"}, {1.0f, 154, "-24 dB"}, {140.0f, 64, "  4 dB"},
                          {200.0f, 25, " 16 dB"}};
    RecordingSurface surface;
    GainFader fader(surface, FaderLayout[0]);
    for (const Case& c : cases) {
        CAPTURE(c.value);
        fader.setValue(c.value);
        CHECK(fader.capPosition() == c.position);
        CHECK(fader.text() == c.text);
    }
}

TEST_CASE("gain fader: its zone reaches 15 pixels beyond the travel; the value is clamped")
{
    struct Case {
        int dx;
        int dy;
        bool hit;
        float after; // starting from 120
    };
    const Case cases[] = {
        {0, -15, true, 240.0f}, {36, -15, true, 240.0f}, {18, 0, true, 240.0f},  {18, 155, true, 0.0f},
        {18, 170, true, 0.0f},  {18, 31, true, 240.0f - 240.0f * 31.0f / 155.0f},
        {-1, 50, false, 120.0f}, {37, 50, false, 120.0f}, {18, -16, false, 120.0f}, {18, 171, false, 120.0f},
    };
    for (const Case& c : cases) {
        CAPTURE(c.dx);
        CAPTURE(c.dy);
        RecordingSurface surface;
        GainFader fader(surface, FaderLayout[0]);
        CHECK(fader.trackAt(FaderLayout[0].x + c.dx, FaderLayout[0].y + c.dy) == c.hit);
        CHECK(fader.value() == c.after);
    }
}
