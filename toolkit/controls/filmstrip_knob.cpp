#include "toolkit/controls/filmstrip_knob.h"

#include "toolkit/controls/filmstrip.h"
#include "toolkit/core/skin_bitmap.h"

FilmstripKnob::FilmstripKnob(const PixelRect& rect, ControlListener* owner, std::int32_t controlTag,
                             std::int32_t frames, std::int32_t height, SkinBitmap* filmstrip, PixelPoint stripOffset)
    : RotaryKnob(rect, owner, controlTag, nullptr, filmstrip, stripOffset), frameCount(frames), frameHeight(height)
{
    inset = 0;
}

void FilmstripKnob::draw(Painter& painter)
{
    if (handle != nullptr)
        handle->draw(painter, rectangle, {0, filmstripKnobSourceY(value, frameCount, frameHeight)});
    lastDrawnValue = value;
}
