// PaintColour: red, green and blue count, the spare byte does not.
#include "toolkit/core/paint_colour.h"

#include <doctest.h>

TEST_CASE("paint colour: two colours differ only in red, green or blue")
{
    const PaintColour base{10, 20, 30, 0};
    struct Case {
        PaintColour other;
        bool differs;
    };
    const Case cases[] = {
        {{10, 20, 30, 0}, false}, {{10, 20, 30, 99}, false}, {{11, 20, 30, 0}, true},
        {{10, 21, 30, 0}, true},  {{10, 20, 31, 0}, true},   {{0, 0, 0, 0}, true},
    };
    for (const Case& c : cases) {
        CHECK(base.differsFrom(c.other) == c.differs);
        CHECK((base != c.other) == c.differs);
    }
}

TEST_CASE("paint colour: the named colours, and white as the transparency key")
{
    struct Case {
        const PaintColour* colour;
        std::uint8_t red, green, blue;
    };
    const Case cases[] = {
        {&colourWhite, 255, 255, 255}, {&colourBlack, 0, 0, 0},       {&colourGrey, 127, 127, 127},
        {&colourRed, 255, 0, 0},       {&colourGreen, 0, 255, 0},     {&colourBlue, 0, 0, 255},
        {&colourYellow, 255, 255, 0},  {&colourMagenta, 255, 0, 255}, {&colourCyan, 0, 255, 255},
        {&transparencyKey, 255, 255, 255},
    };
    for (const Case& c : cases) {
        CHECK(c.colour->red == c.red);
        CHECK(c.colour->green == c.green);
        CHECK(c.colour->blue == c.blue);
        CHECK(c.colour->spare == 0);
    }
    CHECK(sizeof(PaintColour) == 4);
}
