#include "effects/reverb/editor/toggle_button.h"

#include <algorithm>

ToggleButton::ToggleButton(PanelSurface& target, const ButtonSpec& layout) : surface(target), spec(layout)
{
    draw();
}

void ToggleButton::setState(bool on)
{
    isOn = on;
    draw();
}

bool ToggleButton::trackAt(int px, int py)
{
    const int dx = px - spec.x;
    const int dy = py - spec.y;
    if (dx < 0 || dx > spec.width || dy < 0 || dy > spec.height)
        return false;
    setState(!isOn);
    return true;
}

void ToggleButton::draw()
{
    const SkinId skin = isOn ? spec.on : spec.off;
    const SkinSize size = skinSize(skin);
    surface.drawSkin(skin, spec.x, spec.y, std::min(spec.width, size.width), std::min(spec.height, size.height));
}
