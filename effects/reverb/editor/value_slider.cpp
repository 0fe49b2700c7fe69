#include "effects/reverb/editor/value_slider.h"

#include "effects/reverb/editor/value_text.h"

#include <cmath>

ValueSlider::ValueSlider(PanelSurface& target, const SliderSpec& layout)
    : surface(target), place(layout), current((layout.minimum + layout.maximum) / 2.0f)
{
    draw();
}

void ValueSlider::setValue(float next)
{
    if (next < place.minimum)
        next = place.minimum;
    if (next > place.maximum)
        next = place.maximum;
    if (next != current) {
        current = next;
        draw();
    }
}

void ValueSlider::setEnabled(bool on)
{
    if (on != isEnabled) {
        isEnabled = on;
        draw();
    }
}

int ValueSlider::barPosition() const
{
    return static_cast<int>(std::trunc((current - place.minimum) * 97.0f / (place.maximum - place.minimum))) + 8;
}

std::string ValueSlider::text() const
{
    return place.panText ? panText(place.format, current) : numberText(place.format, current, place.unit);
}

bool ValueSlider::trackAt(int px, int py)
{
    if (!isEnabled)
        return false;
    const int dx = px - place.x;
    const int dy = py - place.y;
    if (dy < -1 || dy > 7)
        return false;
    if (dx >= -1 && dx <= 7)
        setValue(current - 1.0f);
    else if (dx >= 106 && dx <= 114)
        setValue(current + 1.0f);
    else if (dx >= 8 && dx <= 105)
        setValue(place.minimum + (place.maximum - place.minimum) * static_cast<float>(dx - 8) / 97.0f);
    else
        return false;
    return true;
}

void ValueSlider::draw()
{
    const int x = place.x;
    const int y = place.y;
    const int pos = barPosition();
    if (pos >= 8 && pos <= 105) {
        surface.fillBar({x + 7, y, x + pos, y + 7}, isEnabled ? BarBrush::Fill : BarBrush::DisabledFill);
        surface.fillBar({x + pos, y, x + 105, y + 7}, BarBrush::Remainder);
    }
    if (isEnabled) {
        surface.drawSkin(SkinReadout, x + 115, y - 13, 0, 0);
        surface.drawText({x + 116, y - 9, x + 155, y + 7}, text().c_str());
    } else {
        surface.drawSkin(SkinReadoutDisabled, x + 115, y - 13, 0, 0);
    }
}
