// RotaryKnob: a handle bitmap that travels 270 degrees clockwise over a
// background, from the lower left (minimum) over the top (middle) to the
// lower right (maximum). While any button is held the value follows the
// angle of the cursor around the knob's centre; the dead sector at the
// bottom snaps to the nearer end. Left plus Alt resets to the default.
//
// The handle is drawn with white transparent; its top-left corner sits on
// a circle of radius (width - 2 inset) / 2, so with inset half the handle's
// width the handle's centre runs on the circle through the knob's middle.
#pragma once

#include "toolkit/controls/control.h"

class SkinBitmap;

class RotaryKnob : public Control {
public:
    RotaryKnob(const PixelRect& rect, ControlListener* listener, std::int32_t tag, SkinBitmap* background,
               SkinBitmap* handle, PixelPoint backgroundOffset);

    void draw(Painter& painter) override;
    void onMouseDown(Painter& painter, PixelPoint& where) override;

    // The handle's top-left corner for the value, in control coordinates
    // (plus the inset).
    virtual void valueToPoint(PixelPoint& point) const;
    // The value for a cursor given relative to the knob's centre.
    virtual float pointToValue(PixelPoint& where) const;
    // Releases the old background and retains the new one.
    virtual void setBackground(SkinBitmap* bitmap);
    virtual SkinBitmap* getBackground() const;

    std::int32_t getInset() const { return inset; }

protected:
    ~RotaryKnob() override;

    std::int32_t inset = 5;
    SkinBitmap* background;
    SkinBitmap* handle;
    PixelPoint offset;
};
