// ToggleButton: a two-state button drawn from an on and an off bitmap. A
// press inside its area flips it. Where its bitmaps are smaller than the
// area (the gate power key), only the bitmap is drawn and the rest of the
// area keeps showing the panel.
#pragma once

#include "effects/reverb/editor/panel_layout.h"
#include "effects/reverb/editor/panel_surface.h"

class ToggleButton {
public:
    // Draws itself at once, off.
    ToggleButton(PanelSurface& surface, const ButtonSpec& place);

    // Stores and draws, even when the state does not change.
    void setState(bool on);
    bool trackAt(int px, int py);
    void draw();

    bool state() const { return isOn; }

private:
    PanelSurface& surface;
    const ButtonSpec& place;
    bool isOn = false;
};
