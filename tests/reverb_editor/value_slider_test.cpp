// The value slider: bar position, drawing, clamping and its three mouse zones.
#include "effects/reverb/editor/value_slider.h"
#include "tests/reverb_editor/recording_surface.h"

#include <doctest.h>

namespace {

const SliderSpec& roomSize = SliderLayout[0];  // 18, 52; 3 .. 200
const SliderSpec& threshold = SliderLayout[6]; // 196, 52; -70 .. -1
const SliderSpec& pan = SliderLayout[5];       // 18, 194; 0 .. 40

} // namespace

TEST_CASE("value slider: draws itself at mid-range when created")
{
    RecordingSurface surface;
    ValueSlider slider(surface, roomSize);
    CHECK(slider.value() == 101.5f);
    CHECK(slider.enabled());
    // (101.5 - 3) * 97 / 197 = 48.5 -> 48, + 8
    CHECK(surface.take() == std::vector<std::string>{
                                "fill 25,52-74,59",
                                "remainder 74,52-123,59",
                                "skin 132 at 133,39 size 0x0",
                                "text 134,43-173,59 \"102\"",
                            });
}

TEST_CASE("value slider: the bar ends where the value lies, 8 .. 105 from the anchor")
{
    struct Case {
        float value;
        int position;
    };
    const Case cases[] = {{3.0f, 8}, {200.0f, 105}, {110.0f, 60}, {4.0f, 8}, {5.0f, 8}, {6.0f, 9}, {199.0f, 104}};
    RecordingSurface surface;
    ValueSlider slider(surface, roomSize);
    for (const Case& c : cases) {
        CAPTURE(c.value);
        slider.setValue(c.value);
        CHECK(slider.barPosition() == c.position);
    }
}

TEST_CASE("value slider: values are clamped; an unchanged value draws nothing")
{
    RecordingSurface surface;
    ValueSlider slider(surface, roomSize);
    surface.take();
    slider.setValue(1000.0f);
    CHECK(slider.value() == 200.0f);
    CHECK(surface.take().size() == 4);
    slider.setValue(250.0f);
    CHECK(surface.take().empty());
    slider.setValue(-5.0f);
    CHECK(slider.value() == 3.0f);
    CHECK(surface.take() == std::vector<std::string>{
                                "fill 25,52-26,59",
                                "remainder 26,52-123,59",
                                "skin 132 at 133,39 size 0x0",
                                "text 134,43-173,59 \"  3\"",
                            });
}

TEST_CASE("value slider: disabled, it fills dark, shows the dark readout without text and ignores the mouse")
{
    RecordingSurface surface;
    ValueSlider slider(surface, threshold);
    slider.setValue(-60.0f);
    surface.take();
    slider.setEnabled(false);
    // (-60 + 70) * 97 / 69 = 14.06 -> 14, + 8 = 22
    CHECK(surface.take() == std::vector<std::string>{
                                "disabled 203,52-218,59",
                                "remainder 218,52-301,59",
                                "skin 155 at 311,39 size 0x0",
                            });
    slider.setEnabled(false);
    CHECK(surface.take().empty());
    CHECK_FALSE(slider.trackAt(196 + 50, 52 + 3));
    CHECK(slider.value() == -60.0f);
}

TEST_CASE("value slider: the minus mark, the bar and the plus mark answer; everything else does not")
{
    struct Case {
        int dx;
        int dy;
        bool hit;
        float after; // value after the press, starting from 100
    };
    const Case cases[] = {
        {-1, 3, true, 99.0f},    {7, 3, true, 99.0f},     {0, -1, true, 99.0f},   {0, 7, true, 99.0f},
        {106, 3, true, 101.0f},  {114, 3, true, 101.0f},  {8, 3, true, 3.0f},     {105, 3, true, 200.0f},
        {-2, 3, false, 100.0f},  {115, 3, false, 100.0f}, {50, -2, false, 100.0f}, {50, 8, false, 100.0f},
        {130, 0, false, 100.0f},
    };
    for (const Case& c : cases) {
        CAPTURE(c.dx);
        CAPTURE(c.dy);
        RecordingSurface surface;
        ValueSlider slider(surface, roomSize);
        slider.setValue(100.0f);
        CHECK(slider.trackAt(roomSize.x + c.dx, roomSize.y + c.dy) == c.hit);
        CHECK(slider.value() == c.after);
    }
}

TEST_CASE("value slider: a press on the bar maps the pixel onto the range")
{
    RecordingSurface surface;
    ValueSlider slider(surface, roomSize);
    CHECK(slider.trackAt(roomSize.x + 60, roomSize.y));
    // 3 + 197 * 52 / 97
    CHECK(slider.value() == doctest::Approx(108.6082f));
    CHECK(slider.text() == "109");
    ValueSlider gate(surface, threshold);
    CHECK(gate.trackAt(threshold.x + 8, threshold.y));
    CHECK(gate.value() == -70.0f);
    CHECK(gate.text() == "-70 dB");
}

TEST_CASE("value slider: the plus mark at the maximum still answers, with the value unchanged")
{
    RecordingSurface surface;
    ValueSlider slider(surface, roomSize);
    slider.setValue(200.0f);
    surface.take();
    CHECK(slider.trackAt(roomSize.x + 110, roomSize.y + 3));
    CHECK(slider.value() == 200.0f);
    CHECK(surface.take().empty());
}

TEST_CASE("value slider: the pan slider prints sides and centre")
{
    RecordingSurface surface;
    ValueSlider slider(surface, pan);
    CHECK(slider.text() == "C");
    slider.setValue(0.0f);
    CHECK(slider.text() == "L 64");
    slider.setValue(40.0f);
    CHECK(slider.text() == "R 64");
}
