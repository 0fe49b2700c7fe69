#include "tools/plughost/png_encoder.h"

#include <doctest.h>

#include <string>

TEST_CASE("png_encoder: a PNG of the picture's size")
{
    const std::vector<std::uint8_t> rgb(3 * 514 * 150, 0x80);
    const std::vector<unsigned char> png = encodePng(514, 150, rgb);
    REQUIRE(png.size() > 33);
    CHECK(std::string(png.begin(), png.begin() + 8) == "\x89PNG\r\n\x1A\n");
    CHECK(std::string(png.begin() + 12, png.begin() + 16) == "IHDR");
    // Width and height, big-endian, then 8 bits per channel, RGB.
    const std::vector<unsigned char> header(png.begin() + 16, png.begin() + 26);
    CHECK(header == std::vector<unsigned char>{0, 0, 2, 2, 0, 0, 0, 150, 8, 2});
}

TEST_CASE("png_encoder: nothing for a picture that is not whole")
{
    CHECK(encodePng(0, 10, {}).empty());
    CHECK(encodePng(2, 2, std::vector<std::uint8_t>(11)).empty());
}
