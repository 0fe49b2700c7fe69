// PixelRect: a rectangle of pixels whose four edges all count as inside, so
// it covers one column and one row more than its width and height. Widgets
// hit-test with it; the GDI calls that fill "inside the outline" adjust for
// this themselves (painter.h).
#pragma once

#include "toolkit/core/pixel_point.h"

#include <cstdint>

struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    constexpr PixelRect() = default;
    constexpr PixelRect(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b)
        : left(l), top(t), right(r), bottom(b)
    {
    }
    // From two corners in either order: the smaller coordinates become left and top.
    PixelRect(PixelPoint corner, PixelPoint opposite);

    constexpr std::int32_t width() const { return right - left; }
    constexpr std::int32_t height() const { return bottom - top; }
    constexpr PixelPoint topLeft() const { return {left, top}; }

    constexpr bool contains(PixelPoint p) const
    {
        return left <= p.x && p.x <= right && top <= p.y && p.y <= bottom;
    }

    constexpr bool operator==(const PixelRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    constexpr bool operator!=(const PixelRect& o) const { return !(*this == o); }
};
