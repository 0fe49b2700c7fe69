// ControlListener: told when the user changed a control's value. The
// painter is the one the control is drawing with at that moment, so the
// listener may redraw through it before the next value is computed.
#pragma once

class Control;
class Painter;

class ControlListener {
public:
    virtual void valueChanged(Painter& painter, Control* control) = 0;

protected:
    ~ControlListener() = default;
};
