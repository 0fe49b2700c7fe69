// SplashBox: a small hot area that pops up a picture. A press on the hot
// area shows the picture in its display rectangle and makes the box the
// panel's modal widget, so only a press on the picture (which hides it
// again and repaints the panel) does anything while it is shown. The value
// is 1 while shown, 0 while hidden.
#pragma once

#include "toolkit/controls/control.h"

class SkinBitmap;

class SplashBox : public Control {
public:
    SplashBox(const PixelRect& hotArea, ControlListener* listener, std::int32_t tag, SkinBitmap* picture,
              const PixelRect& displayRect, PixelPoint pictureOffset);

    void draw(Painter& painter) override;
    void onMouseDown(Painter& painter, PixelPoint& where) override;

    const PixelRect& getDisplayRect() const { return displayRect; }
    const PixelRect& getSavedRect() const { return savedRect; }

protected:
    ~SplashBox() override;

private:
    PixelRect displayRect;
    PixelRect savedRect;
    SkinBitmap* picture;
    PixelPoint pictureOffset;
};
