// The toolkit's seven fonts, chosen by index. A painter asks this table
// which face, size and weight an index and size stand for; an unknown index
// falls back to font 0 and a size of 0 to the font's own size.
#pragma once

#include <cstdint>

struct ToolkitFont {
    const char* face;
    std::int32_t size;
    std::int32_t weight;
    std::uint8_t pitchAndFamily;
};

constexpr std::int32_t ToolkitFontCount = 7;

ToolkitFont chooseToolkitFont(std::int32_t index, std::int32_t size);
