// The readout texts: number and unit, pan positions, fader levels.
#include "effects/reverb/editor/value_text.h"

#include <doctest.h>

TEST_CASE("value text: a number in its format followed by the unit")
{
    struct Case {
        const char* format;
        float value;
        const char* unit;
        const char* text;
    };
    const Case cases[] = {
        {"%3.0f", 110.0f, "", "110"},   {"%3.0f", 3.0f, "", "  3"},       {"%3.0f", 23.0f, " %", " 23 %"},
        {"%3.0f", 100.0f, " ms", "100 ms"}, {"%2.0f", 25.0f, " %", "25 %"}, {"%2.0f", 5.0f, " %", " 5 %"},
        {"%3.0f", -60.0f, " dB", "-60 dB"}, {"%3.0f", -1.0f, " dB", " -1 dB"}, {"%2.0f", 1.0f, " ms", " 1 ms"},
        {"%3.0f", 500.0f, " ms", "500 ms"}, {"%3.0f", 52.5f, "", " 52"},     {"%3.0f", -30.4f, " dB", "-30 dB"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.text);
        CHECK(numberText(c.format, c.value, c.unit) == c.text);
    }
}

TEST_CASE("value text: pan positions read from L 64 through C to R 64")
{
    struct Case {
        float value;
        const char* text;
    };
    const Case cases[] = {{0.0f, "L 64"}, {10.0f, "L 32"}, {19.0f, "L  3"}, {20.0f, "C"},
                          {21.0f, "R  3"}, {30.0f, "R 32"}, {40.0f, "R 64"}, {19.5f, "L  2"}};
    for (const Case& c : cases) {
        CAPTURE(c.value);
        CHECK(panText("%2.0f", c.value) == c.text);
    }
}

TEST_CASE("value text: fader levels in dB, mute at the bottom")
{
    struct Case {
        float value;
        const char* text;
    };
    const Case cases[] = {{240.0f, " 24 dB"}, {120.0f, "  0 dB"}, {1.0f, "-24 dB"}, {0.0f, "mute"},
                          {140.0f, "  4 dB"}, {125.0f, "  1 dB"}, {60.0f, "-12 dB"}, {0.5f, "-24 dB"}};
    for (const Case& c : cases) {
        CAPTURE(c.value);
        CHECK(faderText(c.value) == c.text);
    }
}
