// HorizontalStepSwitch: a step switch whose positions run along x, left first.
#pragma once

#include "toolkit/controls/step_switch.h"

class HorizontalStepSwitch : public StepSwitch {
public:
    HorizontalStepSwitch(const PixelRect& rect, ControlListener* listener, std::int32_t tag, std::int32_t frameCount,
                         std::int32_t frameHeight, std::int32_t positions, SkinBitmap* filmstrip, PixelPoint offset)
        : StepSwitch(Axis::Horizontal, rect, listener, tag, frameCount, frameHeight, positions, filmstrip, offset)
    {
    }
};
