#include "tools/plughost/png_encoder.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>

namespace {

void appendBytes(void* context, void* data, int size)
{
    auto* bytes = static_cast<std::vector<unsigned char>*>(context);
    const auto* from = static_cast<const unsigned char*>(data);
    bytes->insert(bytes->end(), from, from + size);
}

} // namespace

std::vector<unsigned char> encodePng(int width, int height, const std::vector<std::uint8_t>& rgb)
{
    std::vector<unsigned char> bytes;
    if (width <= 0 || height <= 0 || rgb.size() != static_cast<std::size_t>(width) * height * 3)
        return bytes;
    if (stbi_write_png_to_func(appendBytes, &bytes, width, height, 3, rgb.data(), width * 3) == 0)
        bytes.clear();
    return bytes;
}
