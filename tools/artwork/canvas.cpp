#include "tools/artwork/canvas.h"

#include <algorithm>

namespace {

std::uint8_t clampByte(int v)
{
    return static_cast<std::uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
}

// Coverage (0 .. 255) of a pixel by a disc, sampled on a 4 x 4 grid. The
// pixel centre's offset from the disc centre and the radius are in eighths
// of a pixel.
int discCoverage(int dx8, int dy8, int radius8)
{
    static const int offsets[4] = {-3, -1, 1, 3};
    int inside = 0;
    for (int oy : offsets)
        for (int ox : offsets) {
            const int dx = dx8 + ox;
            const int dy = dy8 + oy;
            if (dx * dx + dy * dy <= radius8 * radius8)
                ++inside;
        }
    return inside * 255 / 16;
}

} // namespace

RgbColour mix(RgbColour a, RgbColour b, int w)
{
    return {static_cast<std::uint8_t>((a.r * (255 - w) + b.r * w + 127) / 255),
            static_cast<std::uint8_t>((a.g * (255 - w) + b.g * w + 127) / 255),
            static_cast<std::uint8_t>((a.b * (255 - w) + b.b * w + 127) / 255)};
}

Canvas::Canvas(int width, int height, RgbColour fill)
{
    picture.width = width;
    picture.height = height;
    picture.pixels.assign(static_cast<std::size_t>(width) * height, fill);
}

RgbColour Canvas::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= picture.width || y >= picture.height)
        return {0, 0, 0};
    return picture.pixels[static_cast<std::size_t>(y) * picture.width + x];
}

void Canvas::setPixel(int x, int y, RgbColour colour)
{
    if (x < 0 || y < 0 || x >= picture.width || y >= picture.height)
        return;
    picture.pixels[static_cast<std::size_t>(y) * picture.width + x] = colour;
}

void Canvas::blendPixel(int x, int y, RgbColour colour, int alpha)
{
    if (alpha <= 0)
        return;
    setPixel(x, y, mix(pixel(x, y), colour, std::min(alpha, 255)));
}

void Canvas::fillRect(int left, int top, int right, int bottom, RgbColour colour)
{
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            setPixel(x, y, colour);
}

void Canvas::blendRect(int left, int top, int right, int bottom, RgbColour colour, int alpha)
{
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            blendPixel(x, y, colour, alpha);
}

void Canvas::verticalGradient(int left, int top, int right, int bottom, RgbColour upper, RgbColour lower)
{
    const int span = std::max(1, bottom - top - 1);
    for (int y = top; y < bottom; ++y) {
        const RgbColour c = mix(upper, lower, (y - top) * 255 / span);
        for (int x = left; x < right; ++x)
            setPixel(x, y, c);
    }
}

void Canvas::horizontalLine(int left, int right, int y, RgbColour colour)
{
    for (int x = left; x < right; ++x)
        setPixel(x, y, colour);
}

void Canvas::verticalLine(int x, int top, int bottom, RgbColour colour)
{
    for (int y = top; y < bottom; ++y)
        setPixel(x, y, colour);
}

void Canvas::bevel(int left, int top, int right, int bottom, RgbColour light, RgbColour dark)
{
    horizontalLine(left, right, top, light);
    verticalLine(left, top, bottom, light);
    horizontalLine(left + 1, right, bottom - 1, dark);
    verticalLine(right - 1, top + 1, bottom, dark);
}

void Canvas::roundedRect(int left, int top, int right, int bottom, int radius, RgbColour colour, int alpha)
{
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            // Offsets, in eighths, from the centre of the corner circle when the
            // pixel lies in a corner square.
            int dx8 = 0;
            int dy8 = 0;
            if (x < left + radius)
                dx8 = (x - left - radius) * 8 + 4;
            else if (x >= right - radius)
                dx8 = (x - right + radius) * 8 + 4;
            if (y < top + radius)
                dy8 = (y - top - radius) * 8 + 4;
            else if (y >= bottom - radius)
                dy8 = (y - bottom + radius) * 8 + 4;
            const int coverage = (dx8 != 0 && dy8 != 0) ? discCoverage(dx8, dy8, radius * 8) : 255;
            blendPixel(x, y, colour, coverage * alpha / 255);
        }
}

void Canvas::disc(int cx2, int cy2, int radius2, RgbColour colour)
{
    const int reach = radius2 / 2 + 2;
    for (int y = cy2 / 2 - reach; y <= cy2 / 2 + reach; ++y)
        for (int x = cx2 / 2 - reach; x <= cx2 / 2 + reach; ++x)
            blendPixel(x, y, colour, discCoverage((2 * x + 1 - cx2) * 4, (2 * y + 1 - cy2) * 4, radius2 * 4));
}

void Canvas::shade(int left, int top, int right, int bottom, int amount)
{
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const RgbColour c = pixel(x, y);
            setPixel(x, y, {clampByte(c.r + amount), clampByte(c.g + amount), clampByte(c.b + amount)});
        }
}

void Canvas::paste(const Canvas& other, int x, int y)
{
    for (int j = 0; j < other.height(); ++j)
        for (int i = 0; i < other.width(); ++i)
            setPixel(x + i, y + j, other.pixel(i, j));
}
