#include "toolkit/controls/filmstrip.h"

#include "toolkit/core/skin_bitmap.h"

void drawFilmstripFrame(SkinBitmap* strip, Painter& painter, const PixelRect& rect, PixelPoint origin,
                        std::int32_t frameHeight, std::int32_t frame)
{
    if (strip != nullptr)
        strip->draw(painter, rect, {origin.x, origin.y + frame * frameHeight});
}

std::int32_t stepSwitchFrame(float value, std::int32_t positions)
{
    for (std::int32_t i = 1; i <= positions - 1; ++i)
        if (static_cast<float>(i) / static_cast<float>(positions - 1) > value)
            return i - 1;
    return positions > 0 ? positions - 1 : 0;
}

float stepSwitchValue(std::int32_t offset, std::int32_t length, std::int32_t positions, bool boundaryGoesUp)
{
    if (positions < 2 || length <= 0)
        return 0.0f;
    const std::int64_t scaled = static_cast<std::int64_t>(offset) * positions;
    std::int64_t band;
    if (boundaryGoesUp)
        band = scaled >= 0 ? scaled / length : -1;
    else
        band = scaled > 0 ? (scaled - 1) / length : -1;
    if (band < 0)
        band = 0;
    if (band > positions - 1)
        band = positions - 1;
    return static_cast<float>(band) / static_cast<float>(positions - 1);
}

std::int32_t filmstripViewFrame(float value, std::int32_t frameCount)
{
    if (value > 1.0f)
        value = 1.0f;
    if (!(value > 0.0f))
        return 0;
    return static_cast<std::int32_t>(static_cast<float>(frameCount - 1) * value + 0.5f);
}

std::int32_t filmstripKnobSourceY(float value, std::int32_t frameCount, std::int32_t frameHeight)
{
    if (!(value > 0.0f) || frameHeight <= 0)
        return 0;
    // A value past the maximum still shows the last frame, not what lies below the strip.
    if (value > 1.0f)
        value = 1.0f;
    const auto y = static_cast<std::int32_t>(static_cast<float>((frameCount - 1) * frameHeight) * value);
    return y - y % frameHeight;
}

std::int32_t threeWayFrame(float value)
{
    if (value < 0.0f)
        return 0;
    return value > 0.0f ? 2 : 1;
}
