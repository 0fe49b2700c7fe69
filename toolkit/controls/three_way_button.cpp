#include "toolkit/controls/three_way_button.h"

#include "toolkit/controls/filmstrip.h"
#include "toolkit/core/painter.h"
#include "toolkit/core/skin_bitmap.h"

ThreeWayButton::ThreeWayButton(const PixelRect& rect, ControlListener* owner, std::int32_t controlTag,
                               std::int32_t height, SkinBitmap* strip, PixelPoint stripOffset)
    : Control(rect, owner, controlTag), frameHeight(height), filmstrip(strip), offset(stripOffset)
{
    if (filmstrip != nullptr)
        filmstrip->retain();
}

ThreeWayButton::~ThreeWayButton()
{
    if (filmstrip != nullptr)
        filmstrip->release();
}

void ThreeWayButton::draw(Painter& painter)
{
    drawFilmstripFrame(filmstrip, painter, rectangle, offset, frameHeight, threeWayFrame(value));
    lastDrawnValue = value;
}

void ThreeWayButton::onMouseDown(Painter& painter, PixelPoint& where)
{
    if (enabled == 0)
        return;
    const float atPress = value;
    const std::int32_t middle = rectangle.left + rectangle.width() / 2;
    PixelPoint cursor = where;
    std::int32_t buttons = painter.getMouseButtons();
    while (buttons != 0) {
        if (rectangle.contains(cursor))
            value = cursor.x < middle ? -1.0f : 1.0f;
        else
            value = atPress;
        notifyIfChanged(painter);
        painter.getMousePosition(cursor);
        idle();
        buttons = painter.getMouseButtons();
    }
    value = 0.0f;
    if (listener != nullptr)
        listener->valueChanged(painter, this);
}
