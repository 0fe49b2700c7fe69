// PixelPoint: a point in pixels, in whatever space its user says (panel,
// control or screen coordinates).
#pragma once

#include <cstdint>

struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;

    constexpr PixelPoint() = default;
    constexpr PixelPoint(std::int32_t px, std::int32_t py) : x(px), y(py) {}

    constexpr bool operator==(const PixelPoint& other) const { return x == other.x && y == other.y; }
    constexpr bool operator!=(const PixelPoint& other) const { return !(*this == other); }
};
