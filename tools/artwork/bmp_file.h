// Writing Windows BMP files: 24-bit true colour (the reverb's skin) and
// 8-bit with a palette (the panner's). Rows are stored bottom up and padded
// to four bytes, as the format requires; the header carries no resolution
// and no time stamp, so the same picture always gives the same bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct RgbColour {
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;
};

inline bool operator==(RgbColour a, RgbColour b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

// A true-colour picture, rows top down.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<RgbColour> pixels;
};

// A palette picture, rows top down; each pixel indexes the palette.
struct PalettePicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> indices;
    std::vector<RgbColour> palette; // at most 256 entries
};

std::vector<std::uint8_t> encodeBmp24(const RgbPicture& picture);
std::vector<std::uint8_t> encodeBmp8(const PalettePicture& picture);

// False when the file cannot be written.
bool writeFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
