#include "toolkit/controls/latch_button.h"

#include "toolkit/core/skin_bitmap.h"

LatchButton::LatchButton(const PixelRect& rect, ControlListener* owner, std::int32_t controlTag, SkinBitmap* frames)
    : Control(rect, owner, controlTag), bitmap(frames)
{
    if (bitmap != nullptr)
        bitmap->retain();
}

LatchButton::~LatchButton()
{
    if (bitmap != nullptr)
        bitmap->release();
}

void LatchButton::draw(Painter& painter)
{
    if (bitmap != nullptr)
        bitmap->draw(painter, rectangle, {0, value != 0.0f ? bitmap->height() / 2 : 0});
    lastDrawnValue = value;
}

void LatchButton::onMouseDown(Painter& painter, PixelPoint&)
{
    if (enabled == 0)
        return;
    value = static_cast<std::int32_t>(value) == 0 ? 1.0f : 0.0f;
    draw(painter);
    if (listener != nullptr)
        listener->valueChanged(painter, this);
}
