// Control: a widget with one float value that the user changes and a
// listener is told about. A control redraws only when its value differs
// from the value it last drew, and tells its listener only then too, so
// nothing is reported or drawn twice. The value is stored as given: the
// mouse handling of each control keeps it in its own range.
//
// Shared mouse conventions: a disabled control ignores presses; left button
// with Alt (and nothing else) resets to the default value.
#pragma once

#include "toolkit/controls/control_listener.h"
#include "toolkit/core/widget.h"

#include <cstdint>

// Left button and Alt, nothing else: the reset gesture.
constexpr std::int32_t ResetGestureButtons = 33;

class Control : public Widget {
public:
    // A control made without a listener never tells anyone.
    Control(const PixelRect& rect, ControlListener* listener, std::int32_t tag);

    void draw(Painter& painter) override = 0;
    void redrawIfChanged(Painter& painter) override;

    // Once per pass of a drag loop: the editor's throttled idle pump.
    virtual void idle();
    virtual void setValue(float newValue);
    virtual float getValue() const;
    virtual void setMinimum(float newMinimum);
    virtual float getMinimum() const;
    virtual void setMaximum(float newMaximum);
    virtual float getMaximum() const;
    virtual void setLastDrawnValue(float drawn);
    virtual float getLastDrawnValue() const;
    virtual void setDefault(float newDefault);
    virtual float getDefault() const;
    virtual void setEnabled(bool on);
    virtual bool isEnabled() const;

    std::int32_t getTag() const { return tag; }
    ControlListener* getListener() const { return listener; }

protected:
    // Tells the listener when the value is not the one last drawn.
    void notifyIfChanged(Painter& painter);
    // Left plus Alt: back to the default and the press is over (true).
    bool handleResetGesture(Painter& painter);

    ControlListener* listener;
    std::int32_t tag;
    std::uint8_t enabled = 1;
    float lastDrawnValue = -1.0f;
    float defaultValue = 0.5f;
    float value = 0.0f;
    float minimum = 0.0f;
    float maximum = 1.0f;
};
