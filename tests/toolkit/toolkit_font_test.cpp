// The font table behind Painter::setFont.
#include "toolkit/core/toolkit_font.h"

#include <doctest.h>

#include <string>

TEST_CASE("toolkit font: index and size choose face, size, weight and family")
{
    struct Case {
        std::int32_t index;
        std::int32_t size;
        const char* face;
        std::int32_t expectedSize;
        std::int32_t weight;
        std::uint8_t pitchAndFamily;
    };
    const Case cases[] = {
        {0, 0, "Arial", 12, 700, 34},       {1, 0, "Arial", 18, 400, 34},  {2, 0, "Arial", 14, 400, 34},
        {3, 0, "Arial", 12, 400, 34},       {4, 0, "Arial", 11, 400, 34},  {5, 0, "Small Fonts", 9, 400, 34},
        {6, 0, "Symbol", 13, 400, 80},      {2, 20, "Arial", 20, 400, 34}, {9, 0, "Arial", 12, 700, 34},
        {-1, 0, "Arial", 12, 700, 34},      {7, 16, "Arial", 16, 700, 34}, {5, 7, "Small Fonts", 7, 400, 34},
    };
    for (const Case& c : cases) {
        CAPTURE(c.index);
        CAPTURE(c.size);
        const ToolkitFont font = chooseToolkitFont(c.index, c.size);
        CHECK(std::string(font.face) == c.face);
        CHECK(font.size == c.expectedSize);
        CHECK(font.weight == c.weight);
        CHECK(font.pitchAndFamily == c.pitchAndFamily);
    }
}
