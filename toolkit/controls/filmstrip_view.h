// FilmstripView: shows the frame of a filmstrip nearest to its value; the
// value runs over the whole strip from 0 to 1. It does not react to the mouse.
#pragma once

#include "toolkit/controls/control.h"

class SkinBitmap;

class FilmstripView : public Control {
public:
    FilmstripView(const PixelRect& rect, ControlListener* listener, std::int32_t tag, std::int32_t frameCount,
                  std::int32_t frameHeight, SkinBitmap* filmstrip, PixelPoint offset);

    void draw(Painter& painter) override;

protected:
    ~FilmstripView() override;

private:
    std::int32_t frameCount;
    std::int32_t frameHeight;
    SkinBitmap* filmstrip;
    PixelPoint offset;
};
