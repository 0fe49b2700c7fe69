// ValueSlider: a horizontal bar with a minus mark, a plus mark and a readout
// box. A press or drag on the bar sets the value from the position; on a
// mark it steps the value by one. A disabled slider shows a dark readout
// and ignores the mouse.
#pragma once

#include "effects/reverb/editor/panel_layout.h"
#include "effects/reverb/editor/panel_surface.h"

#include <string>

class ValueSlider {
public:
    // Draws itself at once, at mid-range and enabled.
    ValueSlider(PanelSurface& surface, const SliderSpec& place);

    // Clamped to the range; draws when the value changes.
    void setValue(float next);
    void setEnabled(bool on);
    // True when (px, py) lies on the bar or a mark, whether or not the value
    // changed.
    bool trackAt(int px, int py);
    void draw();

    float value() const { return current; }
    bool enabled() const { return isEnabled; }
    // Where the value ends on the bar, 8 .. 105 from the anchor.
    int barPosition() const;
    std::string text() const;

private:
    PanelSurface& surface;
    const SliderSpec& place;
    bool isEnabled = true;
    float current;
};
