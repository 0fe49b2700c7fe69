// The quality strip: lit segments and presses between the boundaries.
#include "effects/reverb/editor/quality_selector.h"
#include "tests/reverb_editor/recording_surface.h"

#include <doctest.h>

TEST_CASE("quality selector: the strip, then the lit segments from the left")
{
    RecordingSurface surface;
    QualitySelector quality(surface, QualitySpec);
    CHECK(quality.state() == 4);
    CHECK(surface.take() == std::vector<std::string>{
                                "skin 152 at 249,165 size 104x19",
                                "skin 148 at 249,165 size 0x0",
                                "skin 149 at 275,165 size 0x0",
                                "skin 150 at 301,165 size 0x0",
                                "skin 151 at 327,165 size 0x0",
                            });
    quality.setState(2);
    CHECK(surface.take() == std::vector<std::string>{
                                "skin 152 at 249,165 size 104x19",
                                "skin 148 at 249,165 size 0x0",
                                "skin 149 at 275,165 size 0x0",
                            });
    quality.setState(2);
    CHECK(surface.take().empty());
}

TEST_CASE("quality selector: presses inside a segment select it; boundaries select nothing")
{
    struct Case {
        int dx;
        int dy;
        int selected; // 0: no answer, state stays at 4
    };
    const Case cases[] = {
        {1, 5, 1},  {25, 5, 1},  {27, 5, 2}, {51, 5, 2}, {53, 5, 3}, {77, 5, 3}, {79, 5, 4}, {103, 5, 4},
        {13, 0, 1}, {13, 19, 1}, {0, 5, 0},  {26, 5, 0}, {52, 5, 0}, {78, 5, 0}, {104, 5, 0}, {13, -1, 0},
        {13, 20, 0},
    };
    for (const Case& c : cases) {
        CAPTURE(c.dx);
        CAPTURE(c.dy);
        RecordingSurface surface;
        QualitySelector quality(surface, QualitySpec);
        CHECK(quality.trackAt(QualitySpec.x + c.dx, QualitySpec.y + c.dy) == (c.selected != 0));
        CHECK(quality.state() == (c.selected != 0 ? c.selected : 4));
    }
}
