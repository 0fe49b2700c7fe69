#include "toolkit/controls/momentary_button.h"

#include "toolkit/controls/filmstrip.h"
#include "toolkit/core/painter.h"
#include "toolkit/core/skin_bitmap.h"

MomentaryButton::MomentaryButton(const PixelRect& rect, ControlListener* owner, std::int32_t controlTag,
                                 std::int32_t height, SkinBitmap* strip, PixelPoint stripOffset)
    : Control(rect, owner, controlTag), frameHeight(height), filmstrip(strip), offset(stripOffset)
{
    if (filmstrip != nullptr)
        filmstrip->retain();
}

MomentaryButton::~MomentaryButton()
{
    if (filmstrip != nullptr)
        filmstrip->release();
}

void MomentaryButton::draw(Painter& painter)
{
    const bool on = value > 0.0f; // held within 0 .. 1, any value above 0 is on
    drawFilmstripFrame(filmstrip, painter, rectangle, offset, frameHeight, on ? 1 : 0);
    lastDrawnValue = value;
}

void MomentaryButton::onMouseDown(Painter& painter, PixelPoint& where)
{
    if (enabled == 0)
        return;
    const float atPress = value;
    const float opposite = atPress != 0.0f ? 0.0f : 1.0f;
    PixelPoint cursor = where;
    std::int32_t buttons = painter.getMouseButtons();
    while (buttons != 0) {
        value = rectangle.contains(cursor) ? opposite : atPress;
        notifyIfChanged(painter);
        painter.getMousePosition(cursor);
        idle();
        buttons = painter.getMouseButtons();
    }
    value = 0.0f;
    if (listener != nullptr)
        listener->valueChanged(painter, this);
}
