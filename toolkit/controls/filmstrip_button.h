// FilmstripButton: a two-frame button that toggles while held: inside its
// rectangle it shows the opposite of its value at the press, outside the
// value at the press, and it keeps whatever it shows when let go. Frames
// are taken from x 0 whatever the offset.
#pragma once

#include "toolkit/controls/control.h"

class SkinBitmap;

class FilmstripButton : public Control {
public:
    FilmstripButton(const PixelRect& rect, ControlListener* listener, std::int32_t tag, std::int32_t frameHeight,
                    SkinBitmap* filmstrip, PixelPoint offset);

    void draw(Painter& painter) override;
    void onMouseDown(Painter& painter, PixelPoint& where) override;

protected:
    ~FilmstripButton() override;

private:
    std::int32_t frameHeight;
    SkinBitmap* filmstrip;
    PixelPoint offset;
};
