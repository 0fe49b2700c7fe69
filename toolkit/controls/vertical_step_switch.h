// VerticalStepSwitch: a step switch whose positions run along y, top first.
#pragma once

#include "toolkit/controls/step_switch.h"

class VerticalStepSwitch : public StepSwitch {
public:
    VerticalStepSwitch(const PixelRect& rect, ControlListener* listener, std::int32_t tag, std::int32_t frameCount,
                       std::int32_t frameHeight, std::int32_t positions, SkinBitmap* filmstrip, PixelPoint offset)
        : StepSwitch(Axis::Vertical, rect, listener, tag, frameCount, frameHeight, positions, filmstrip, offset)
    {
    }
};
