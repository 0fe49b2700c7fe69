// PixelRect: all four edges inside.
#include "toolkit/core/pixel_rect.h"

#include <doctest.h>

TEST_CASE("pixel rect: containment counts all four edges")
{
    const PixelRect rect{10, 10, 20, 20};
    struct Case {
        PixelPoint point;
        bool inside;
    };
    const Case cases[] = {
        {{20, 20}, true},  {{10, 15}, true},  {{10, 10}, true},  {{20, 10}, true},  {{10, 20}, true},
        {{15, 15}, true},  {{21, 15}, false}, {{9, 15}, false},  {{15, 9}, false},  {{15, 21}, false},
        {{21, 21}, false}, {{9, 9}, false},
    };
    for (const Case& c : cases) {
        CAPTURE(c.point.x);
        CAPTURE(c.point.y);
        CHECK(rect.contains(c.point) == c.inside);
    }
}

TEST_CASE("pixel rect: width and height are right minus left and bottom minus top")
{
    struct Case {
        PixelRect rect;
        std::int32_t width;
        std::int32_t height;
    };
    const Case cases[] = {
        {{10, 10, 20, 20}, 10, 10},
        {{12, 15, 412, 33}, 400, 18},
        {{0, 0, 0, 0}, 0, 0},
        {{-5, -3, 5, 3}, 10, 6},
    };
    for (const Case& c : cases) {
        CHECK(c.rect.width() == c.width);
        CHECK(c.rect.height() == c.height);
    }
}

TEST_CASE("pixel rect: two corners in either order give the same rectangle")
{
    const PixelRect expected{3, 4, 30, 40};
    const PixelPoint corners[][2] = {
        {{3, 4}, {30, 40}},
        {{30, 40}, {3, 4}},
        {{3, 40}, {30, 4}},
        {{30, 4}, {3, 40}},
    };
    for (const auto& pair : corners)
        CHECK(PixelRect(pair[0], pair[1]) == expected);
}
