#include "toolkit/core/toolkit_font.h"

namespace {

// Pitch and family 34 is a variable-pitch Swiss face, 80 a decorative one.
const ToolkitFont fonts[ToolkitFontCount] = {
    {"Arial", 12, 700, 34},
    {"Arial", 18, 400, 34},
    {"Arial", 14, 400, 34},
    {"Arial", 12, 400, 34},
    {"Arial", 11, 400, 34},
    {"Small Fonts", 9, 400, 34},
    {"Symbol", 13, 400, 80},
};

} // namespace

ToolkitFont chooseToolkitFont(std::int32_t index, std::int32_t size)
{
    ToolkitFont font = fonts[(index < 0 || index >= ToolkitFontCount) ? 0 : index];
    if (size != 0)
        font.size = size;
    return font;
}
