#include "effects/reverb/editor/toggle_button.h"

#include <algorithm>

ToggleButton::ToggleButton(PanelSurface& target, const ButtonSpec& layout) : surface(target), place(layout)
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
    const int dx = px - place.x;
    const int dy = py - place.y;
    if (dx < 0 || dx > place.width || dy < 0 || dy > place.height)
        return false;
    setState(!isOn);
    return true;
}

void ToggleButton::draw()
{
    const SkinId skin = isOn ? place.on : place.off;
    const SkinSize size = skinSize(skin);
    surface.drawSkin(skin, place.x, place.y, std::min(place.width, size.width), std::min(place.height, size.height));
}
