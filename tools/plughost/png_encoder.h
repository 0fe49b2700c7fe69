// Pictures as PNG file bytes, so they can be written whole through
// writeOutputFile (never a partial file).
#pragma once

#include <cstdint>
#include <vector>

// rgb: rows top down, three bytes a pixel. Empty when stb cannot encode.
std::vector<unsigned char> encodePng(int width, int height, const std::vector<std::uint8_t>& rgb);
