// ThreeWayButton: a spring-loaded rocker. Held down on its left half it is
// -1, on its right half 1, and it returns to 0 when let go; the three
// frames of its filmstrip show -1, 0 and 1.
#pragma once

#include "toolkit/controls/control.h"

class SkinBitmap;

class ThreeWayButton : public Control {
public:
    ThreeWayButton(const PixelRect& rect, ControlListener* listener, std::int32_t tag, std::int32_t frameHeight,
                   SkinBitmap* filmstrip, PixelPoint offset);

    void draw(Painter& painter) override;
    void onMouseDown(Painter& painter, PixelPoint& where) override;

protected:
    ~ThreeWayButton() override;

private:
    std::int32_t frameHeight;
    SkinBitmap* filmstrip;
    PixelPoint offset;
};
