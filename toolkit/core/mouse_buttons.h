// The bit flags of Painter::getMouseButtons: buttons and modifier keys held
// at the moment of asking. 0 means nothing is held.
#pragma once

#include <cstdint>

enum : std::int32_t {
    MouseLeft = 1,
    MouseMiddle = 2,
    MouseRight = 4,
    MouseShift = 8,
    MouseCtrl = 16,
    MouseAlt = 32,
};
