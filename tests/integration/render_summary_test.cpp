#include "tools/plughost/render_summary.h"

#include <doctest.h>

TEST_CASE("render_summary: peak texts")
{
    const struct {
        float peak;
        const char* text;
    } cases[] = {
        {1.0f, "0.00 dBFS"}, {0.5f, "-6.02 dBFS"}, {2.0f, "6.02 dBFS"}, {0.0f, "-inf dBFS"}, {1e-5f, "-100.00 dBFS"},
    };
    for (const auto& c : cases) {
        CAPTURE(c.peak);
        CHECK(peakText(c.peak) == c.text);
    }
}

TEST_CASE("render_summary: the summary line")
{
    CHECK(summaryText({88200, 22050, 2, 44100, 0.5f, 0.25}) ==
          "88200 frames, 2.000 s (tail 0.500 s), 2 channels at 44100 Hz, peak -6.02 dBFS, took 0.250 s, 8.0x realtime");
    CHECK(summaryText({1500, 0, 1, 22050, 0.0f, 0.0}) ==
          "1500 frames, 0.068 s (tail 0.000 s), 1 channel at 22050 Hz, peak -inf dBFS, took 0.000 s, "
          "68027.2x realtime");
}
