// FilmstripKnob: a knob drawn as one frame of a filmstrip chosen by the
// value, instead of a handle moved over a background; it turns like
// RotaryKnob.
#pragma once

#include "toolkit/controls/rotary_knob.h"

class FilmstripKnob : public RotaryKnob {
public:
    // The offset is stored but frames are always taken from x 0.
    FilmstripKnob(const PixelRect& rect, ControlListener* listener, std::int32_t tag, std::int32_t frameCount,
                  std::int32_t frameHeight, SkinBitmap* filmstrip, PixelPoint offset);

    void draw(Painter& painter) override;

    std::int32_t getFrameCount() const { return frameCount; }
    std::int32_t getFrameHeight() const { return frameHeight; }

private:
    std::int32_t frameCount;
    std::int32_t frameHeight;
};
