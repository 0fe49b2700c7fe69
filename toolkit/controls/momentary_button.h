// MomentaryButton: a two-frame button that is on only while it is held
// down with the cursor inside it; when let go it returns to 0 and tells its
// listener once more.
#pragma once

#include "toolkit/controls/control.h"

class SkinBitmap;

class MomentaryButton : public Control {
public:
    MomentaryButton(const PixelRect& rect, ControlListener* listener, std::int32_t tag, std::int32_t frameHeight,
                    SkinBitmap* filmstrip, PixelPoint offset);

    void draw(Painter& painter) override;
    void onMouseDown(Painter& painter, PixelPoint& where) override;

protected:
    ~MomentaryButton() override;

private:
    std::int32_t frameHeight;
    SkinBitmap* filmstrip;
    PixelPoint offset;
};
