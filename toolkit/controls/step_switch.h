// StepSwitch: a switch of p positions, shown as one frame of a filmstrip
// per position, with the values 0, 1 / (p - 1), ..., 1. While any button is
// held the cursor picks the position by its band along the switch:
// VerticalStepSwitch splits a frame's height into p bands from the top and
// gives a cursor on a boundary the higher value; HorizontalStepSwitch splits
// the bitmap's width from the left and gives a boundary the lower value.
// Left plus Alt resets to the default, 0.
#pragma once

#include "toolkit/controls/control.h"

class SkinBitmap;

class StepSwitch : public Control {
public:
    enum class Axis { Horizontal, Vertical };

    // The offset is stored but frames are always taken from x 0.
    StepSwitch(Axis axis, const PixelRect& rect, ControlListener* listener, std::int32_t tag, std::int32_t frameCount,
               std::int32_t frameHeight, std::int32_t positions, SkinBitmap* filmstrip, PixelPoint offset);

    void draw(Painter& painter) override;
    void onMouseDown(Painter& painter, PixelPoint& where) override;

    std::int32_t getPositions() const { return positions; }
    // The value for a cursor at a panel point.
    float valueAt(PixelPoint cursor) const;

protected:
    ~StepSwitch() override;

private:
    Axis axis;
    std::int32_t frameCount;
    std::int32_t frameHeight;
    std::int32_t positions;
    SkinBitmap* filmstrip;
    PixelPoint offset;
};
