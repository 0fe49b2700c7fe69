#include "toolkit/controls/step_switch.h"

#include "toolkit/controls/filmstrip.h"
#include "toolkit/core/painter.h"
#include "toolkit/core/skin_bitmap.h"

StepSwitch::StepSwitch(Axis switchAxis, const PixelRect& rect, ControlListener* owner, std::int32_t controlTag,
                       std::int32_t frames, std::int32_t height, std::int32_t positionCount, SkinBitmap* strip,
                       PixelPoint stripOffset)
    : Control(rect, owner, controlTag),
      axis(switchAxis),
      frameCount(frames),
      frameHeight(height),
      positions(positionCount),
      filmstrip(strip),
      offset(stripOffset)
{
    defaultValue = 0.0f;
    if (filmstrip != nullptr)
        filmstrip->retain();
}

StepSwitch::~StepSwitch()
{
    if (filmstrip != nullptr)
        filmstrip->release();
}

void StepSwitch::draw(Painter& painter)
{
    drawFilmstripFrame(filmstrip, painter, rectangle, {0, 0}, frameHeight, stepSwitchFrame(value, positions));
    lastDrawnValue = value;
}

float StepSwitch::valueAt(PixelPoint cursor) const
{
    if (axis == Axis::Vertical)
        return stepSwitchValue(cursor.y - rectangle.top, frameHeight, positions, true);
    const std::int32_t width = filmstrip != nullptr ? filmstrip->width() : 0;
    return stepSwitchValue(cursor.x - rectangle.left, width, positions, false);
}

void StepSwitch::onMouseDown(Painter& painter, PixelPoint& where)
{
    if (enabled == 0)
        return;
    if (handleResetGesture(painter))
        return;
    PixelPoint cursor = where;
    std::int32_t buttons = painter.getMouseButtons();
    while (buttons != 0) {
        value = valueAt(cursor);
        notifyIfChanged(painter);
        painter.getMousePosition(cursor);
        idle();
        buttons = painter.getMouseButtons();
    }
}
