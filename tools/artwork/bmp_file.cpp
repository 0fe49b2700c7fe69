#include "tools/artwork/bmp_file.h"

#include <cstdio>

namespace {

constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t InfoHeaderSize = 40;

void put16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::uint32_t paddedRow(std::uint32_t bytes)
{
    return (bytes + 3u) & ~3u;
}

void putHeaders(std::vector<std::uint8_t>& out, int width, int height, std::uint16_t bitsPerPixel,
                std::uint32_t paletteEntries, std::uint32_t imageBytes)
{
    const std::uint32_t dataOffset = FileHeaderSize + InfoHeaderSize + paletteEntries * 4;
    out.push_back('B');
    out.push_back('M');
    put32(out, dataOffset + imageBytes);
    put32(out, 0);
    put32(out, dataOffset);

    put32(out, InfoHeaderSize);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height)); // positive: bottom-up rows
    put16(out, 1);
    put16(out, bitsPerPixel);
    put32(out, 0); // no compression
    put32(out, imageBytes);
    put32(out, 0);
    put32(out, 0);
    put32(out, paletteEntries);
    put32(out, 0);
}

} // namespace

std::vector<std::uint8_t> encodeBmp24(const RgbPicture& picture)
{
    const std::uint32_t row = paddedRow(static_cast<std::uint32_t>(picture.width) * 3);
    const std::uint32_t imageBytes = row * static_cast<std::uint32_t>(picture.height);
    std::vector<std::uint8_t> out;
    out.reserve(FileHeaderSize + InfoHeaderSize + imageBytes);
    putHeaders(out, picture.width, picture.height, 24, 0, imageBytes);
    for (int y = picture.height - 1; y >= 0; --y) {
        const std::size_t start = out.size();
        for (int x = 0; x < picture.width; ++x) {
            const RgbColour c = picture.pixels[static_cast<std::size_t>(y) * picture.width + x];
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        out.resize(start + row, 0);
    }
    return out;
}

std::vector<std::uint8_t> encodeBmp8(const PalettePicture& picture)
{
    const std::uint32_t entries = static_cast<std::uint32_t>(picture.palette.size());
    const std::uint32_t row = paddedRow(static_cast<std::uint32_t>(picture.width));
    const std::uint32_t imageBytes = row * static_cast<std::uint32_t>(picture.height);
    std::vector<std::uint8_t> out;
    putHeaders(out, picture.width, picture.height, 8, entries, imageBytes);
    for (RgbColour c : picture.palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
    for (int y = picture.height - 1; y >= 0; --y) {
        const std::size_t start = out.size();
        for (int x = 0; x < picture.width; ++x)
            out.push_back(picture.indices[static_cast<std::size_t>(y) * picture.width + x]);
        out.resize(start + row, 0);
    }
    return out;
}

bool writeFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}
