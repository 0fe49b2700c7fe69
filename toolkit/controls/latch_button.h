// LatchButton: an on/off button that flips on every press. Its bitmap holds
// two frames, off above on, each half the bitmap's height.
#pragma once

#include "toolkit/controls/control.h"

class SkinBitmap;

class LatchButton : public Control {
public:
    LatchButton(const PixelRect& rect, ControlListener* listener, std::int32_t tag, SkinBitmap* bitmap);

    void draw(Painter& painter) override;
    void onMouseDown(Painter& painter, PixelPoint& where) override;

protected:
    ~LatchButton() override;

private:
    SkinBitmap* bitmap;
};
