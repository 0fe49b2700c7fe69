#include "toolkit/controls/control.h"

#include "toolkit/core/painter.h"
#include "toolkit/core/panel_window.h"
#include "toolkit/core/toolkit_editor.h"

Control::Control(const PixelRect& rect, ControlListener* owner, std::int32_t controlTag)
    : Widget(rect), listener(owner), tag(controlTag)
{
}

void Control::redrawIfChanged(Painter& painter)
{
    if (value != lastDrawnValue) {
        draw(painter);
        lastDrawnValue = value;
    }
}

void Control::idle()
{
    if (parentPanel != nullptr && parentPanel->ownerEditor() != nullptr)
        parentPanel->ownerEditor()->doIdle();
}

void Control::setValue(float newValue)
{
    value = newValue;
}

float Control::getValue() const
{
    return value;
}

void Control::setMinimum(float newMinimum)
{
    minimum = newMinimum;
}

float Control::getMinimum() const
{
    return minimum;
}

void Control::setMaximum(float newMaximum)
{
    maximum = newMaximum;
}

float Control::getMaximum() const
{
    return maximum;
}

void Control::setLastDrawnValue(float drawn)
{
    lastDrawnValue = drawn;
}

float Control::getLastDrawnValue() const
{
    return lastDrawnValue;
}

void Control::setDefault(float newDefault)
{
    defaultValue = newDefault;
}

float Control::getDefault() const
{
    return defaultValue;
}

void Control::setEnabled(bool on)
{
    enabled = on ? 1 : 0;
}

bool Control::isEnabled() const
{
    return enabled != 0;
}

void Control::notifyIfChanged(Painter& painter)
{
    if (value != lastDrawnValue && listener != nullptr)
        listener->valueChanged(painter, this);
}

bool Control::handleResetGesture(Painter& painter)
{
    if (painter.getMouseButtons() != ResetGestureButtons)
        return false;
    value = getDefault();
    notifyIfChanged(painter);
    return true;
}
