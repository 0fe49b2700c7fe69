#include "toolkit/controls/rotary_knob.h"

#include "toolkit/core/painter.h"
#include "toolkit/core/skin_bitmap.h"

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

// sin and cos land a hair below whole numbers at the quarter turns (the
// middle value is at the top); those must not truncate one pixel short.
std::int32_t truncated(double position)
{
    return static_cast<std::int32_t>(position + 1e-9);
}

} // namespace

RotaryKnob::RotaryKnob(const PixelRect& rect, ControlListener* owner, std::int32_t controlTag, SkinBitmap* backdrop,
                       SkinBitmap* knobHandle, PixelPoint backgroundOffset)
    : Control(rect, owner, controlTag), background(backdrop), handle(knobHandle), offset(backgroundOffset)
{
    if (background != nullptr)
        background->retain();
    if (handle != nullptr) {
        handle->retain();
        inset = handle->width() / 2;
    }
}

RotaryKnob::~RotaryKnob()
{
    if (background != nullptr)
        background->release();
    if (handle != nullptr)
        handle->release();
}

void RotaryKnob::setBackground(SkinBitmap* bitmap)
{
    if (bitmap != nullptr)
        bitmap->retain();
    if (background != nullptr)
        background->release();
    background = bitmap;
}

SkinBitmap* RotaryKnob::getBackground() const
{
    return background;
}

void RotaryKnob::valueToPoint(PixelPoint& point) const
{
    const double radius = (rectangle.width() - 2 * inset) / 2.0;
    const double angle = 5.0 * Pi / 4.0 + 3.0 * Pi / 2.0 * (value - minimum) / (maximum - minimum);
    point.x = truncated(radius + radius * std::sin(angle)) + inset;
    point.y = truncated(radius - radius * std::cos(angle)) + inset;
}

float RotaryKnob::pointToValue(PixelPoint& where) const
{
    // A fraction of a full turn, 0 at the right, growing counter-clockwise
    // (screen y grows downwards).
    double turn = std::atan2(-static_cast<double>(where.y), static_cast<double>(where.x)) / (2.0 * Pi);
    if (turn < 0.0)
        turn += 1.0;
    if (turn > 0.625 && turn < 0.875)
        return turn >= 0.75 ? maximum : minimum;
    const double fromMinimum = turn >= 0.875 ? turn - 0.875 : turn + 0.125;
    const float range = maximum - minimum;
    float result = minimum + range - range * static_cast<float>(fromMinimum * 4.0 / 3.0);
    if (result < minimum)
        result = minimum;
    if (result > maximum)
        result = maximum;
    return result;
}

void RotaryKnob::draw(Painter& painter)
{
    if (background != nullptr)
        background->draw(painter, rectangle, offset);
    if (handle != nullptr) {
        PixelPoint at;
        valueToPoint(at);
        const std::int32_t left = at.x + rectangle.left - inset;
        const std::int32_t top = at.y + rectangle.top - inset;
        handle->drawTransparent(painter, {left, top, left + handle->width(), top + handle->height()}, {0, 0});
    }
    lastDrawnValue = value;
}

void RotaryKnob::onMouseDown(Painter& painter, PixelPoint& where)
{
    if (enabled == 0)
        return;
    if (handleResetGesture(painter))
        return;
    const PixelPoint centre{rectangle.left + rectangle.width() / 2, rectangle.top + rectangle.height() / 2};
    PixelPoint cursor = where;
    std::int32_t buttons = painter.getMouseButtons();
    while (buttons != 0) {
        PixelPoint relative{cursor.x - centre.x, cursor.y - centre.y};
        value = pointToValue(relative);
        notifyIfChanged(painter);
        painter.getMousePosition(cursor);
        idle();
        buttons = painter.getMouseButtons();
    }
}
